#!/usr/bin/python3
"""Generates the shipped team files, the custom teams and the team catalogue.

Clubs and players are invented: club names come from syllable-built town names
in each language's flavour, players from first-name tables and syllable-built
surnames. Countries and confederations are real. Output is deterministic.

Writes assets/data/team_<code>.qst (club files, one national team file per
confederation), assets/data/team_cus.qst and assets/data/tables/<lang>.qsc
(one per language file, at least en).
"""
import os
import random

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets")
DATA = os.path.join(ROOT, "data")
TABLES = os.path.join(DATA, "tables")

HAIR_CODES = [101, 102, 201, 301, 302, 303, 401, 402, 403, 501, 502, 503, 504, 505, 506, 507, 508,
              509, 510, 511, 512, 513, 514, 515, 516, 601, 602, 603, 604, 605, 606, 701, 702, 703,
              801, 802, 803, 804, 805, 806, 807, 808]

# Formation diagrams of the twelve presets: (column, row) of players 0..10.
BOARD_LAYOUT = [
    [(0, 0), (-2, 2), (-1, 1), (1, 1), (2, 2), (-2, 6), (0, 4), (0, 5), (2, 6), (-1, 8), (1, 8)],
    [(0, 0), (-2, 3), (0, 1), (1, 2), (2, 3), (-1, 5), (-1, 2), (0, 4), (1, 5), (0, 6), (0, 8)],
    [(0, 0), (-2, 2), (-1, 1), (1, 1), (2, 2), (-2, 6), (0, 4), (1, 5), (2, 6), (-1, 5), (0, 8)],
    [(0, 0), (-2, 3), (0, 1), (1, 2), (2, 3), (-2, 5), (-1, 2), (0, 6), (2, 5), (-1, 8), (1, 8)],
    [(0, 0), (-1, 2), (0, 1), (1, 4), (1, 2), (-2, 5), (-1, 4), (0, 6), (2, 5), (-1, 8), (1, 8)],
    [(0, 0), (-2, 2), (-1, 1), (1, 1), (2, 2), (-2, 5), (0, 4), (1, 7), (2, 5), (-1, 7), (0, 8)],
    [(0, 0), (-2, 2), (-1, 1), (1, 1), (2, 2), (-2, 6), (-1, 4), (1, 4), (2, 6), (0, 7), (0, 8)],
    [(0, 0), (-1, 2), (0, 1), (0, 4), (1, 2), (-2, 5), (0, 6), (1, 7), (2, 5), (-1, 7), (0, 8)],
    [(0, 0), (-2, 3), (0, 1), (0, 2), (2, 3), (-2, 6), (0, 4), (0, 5), (2, 6), (-1, 8), (1, 8)],
    [(0, 0), (-2, 3), (0, 1), (1, 2), (2, 3), (-2, 7), (-1, 2), (1, 5), (2, 7), (-1, 5), (0, 8)],
    [(0, 0), (-1, 2), (0, 1), (-1, 5), (1, 2), (-2, 7), (1, 5), (0, 6), (2, 7), (-1, 8), (1, 8)],
    [(0, 0), (-1, 2), (-1, 1), (1, 1), (1, 2), (-2, 3), (-1, 5), (1, 5), (2, 3), (0, 6), (0, 8)],
]
# List index of the player who fills each board position, by formation.
PLAYER_ORDER = [
    [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10], [0, 1, 2, 3, 6, 4, 5, 7, 9, 8, 10],
    [0, 1, 2, 3, 4, 5, 6, 7, 9, 8, 10], [0, 1, 2, 3, 6, 4, 5, 7, 8, 9, 10],
    [0, 1, 2, 4, 5, 3, 6, 7, 8, 9, 10], [0, 1, 2, 3, 4, 5, 6, 8, 7, 9, 10],
    [0, 1, 2, 3, 4, 6, 7, 5, 9, 10, 8], [0, 1, 2, 4, 5, 3, 6, 8, 7, 9, 10],
    [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10], [0, 1, 2, 3, 6, 4, 7, 9, 5, 10, 8],
    [0, 1, 2, 4, 3, 6, 5, 7, 9, 10, 8], [0, 5, 1, 2, 3, 4, 8, 6, 7, 9, 10],
]
# How often clubs line up in each preset.
TACTICS_WEIGHTS = [30, 4, 10, 6, 10, 16, 3, 6, 3, 2, 2, 3]

G, RB, LB, D, RW, LW, M, A = range(8)


def board_role(col, row):
    """The role that suits a spot on the formation diagram (column < 0 is the right)."""
    if row == 0:
        return G
    if row <= 3:
        if abs(col) == 2:
            return RB if col < 0 else LB
        return D
    if abs(col) == 2:
        return RW if col < 0 else LW
    if row <= 6:
        return M
    return A


# Skill profiles (pa, sh, he, ta, bc, sp, fi): offsets from the player's level.
PROFILES = {
    RB: (0.0, -1.5, -0.5, 1.5, -0.5, 1.0, -2.0),
    LB: (0.0, -1.5, -0.5, 1.5, -0.5, 1.0, -2.0),
    D: (-0.3, -1.5, 1.5, 1.7, -1.0, -0.2, -2.0),
    RW: (0.5, 0.0, -1.5, -1.2, 1.3, 1.5, 0.0),
    LW: (0.5, 0.0, -1.5, -1.2, 1.3, 1.5, 0.0),
    M: (1.5, 0.2, -0.5, 0.5, 1.0, 0.0, -0.6),
    A: (-0.8, 1.2, 1.0, -2.0, 0.3, 0.5, 1.5),
}

# ---------------------------------------------------------------- name cultures
#
# Each culture is the tool's own table for one language area: common first
# names, surname and town syllables that are joined at random, club and
# stadium patterns. Every person, club and town that comes out is invented.
# Characters stay within Latin-1 (the team file is 8-bit), so letters outside
# it are written the way those languages do without diacritics.

# Skin and hair colour weights (game indexes) for the look of a squad.
LOOKS = {
    "north": ([(2, 6), (0, 2), (6, 2), (1, 1)], [(4, 4), (2, 4), (1, 2), (3, 1), (0, 1)]),
    "west": ([(2, 5), (0, 3), (6, 2), (1, 2), (5, 1), (4, 1)], [(2, 4), (0, 3), (4, 2), (1, 1), (3, 1)]),
    "med": ([(0, 4), (4, 4), (2, 2), (5, 1), (1, 1)], [(0, 6), (2, 4), (1, 1)]),
    "east": ([(2, 6), (0, 3), (4, 1)], [(2, 4), (0, 3), (4, 2), (1, 1)]),
    "latin": ([(0, 3), (4, 4), (5, 3), (1, 2), (2, 1)], [(0, 7), (2, 3)]),
    "brazil": ([(0, 3), (4, 3), (5, 3), (1, 3), (2, 1)], [(0, 6), (2, 3), (1, 1)]),
    "african": ([(1, 8), (5, 3)], [(0, 9)]),
    "arab": ([(4, 5), (5, 3), (0, 2), (1, 1)], [(0, 9), (2, 1)]),
    "east_asian": ([(3, 6), (2, 2), (0, 1)], [(0, 9), (2, 1)]),
    "south_asian": ([(5, 6), (4, 3), (1, 1)], [(0, 10)]),
    "se_asian": ([(5, 4), (3, 4), (4, 2)], [(0, 10)]),
    "pacific": ([(5, 5), (4, 3), (1, 2)], [(0, 9), (2, 1)]),
    "caribbean": ([(1, 7), (5, 3), (4, 1)], [(0, 9)]),
    "oceania": ([(2, 5), (0, 3), (5, 1), (1, 1), (6, 1)], [(2, 4), (4, 3), (0, 2), (1, 1)]),
}

GENERIC_CLUBS = ["{t} FC", "FC {t}", "{t} United", "{t} City", "Sporting {t}", "Real {t}"]
GENERIC_STADIUMS = ["{t} Stadium", "Stadium {t}", "{t} Park"]


def culture(first, sur_a, sur_b, town_a, town_b, look, clubs=None, stadiums=None, mononym=0.0):
    """Lists are written as blank-separated words; "_" stands for a blank inside a part."""
    words = lambda s: [w.replace("_", " ") for w in s.split()]
    return dict(first=words(first), sur_a=words(sur_a), sur_b=words(sur_b) if sur_b else [""],
                town_a=words(town_a), town_b=words(town_b) if town_b else [""],
                clubs=clubs or GENERIC_CLUBS, stadiums=stadiums or GENERIC_STADIUMS,
                skins=LOOKS[look][0], hair=LOOKS[look][1], mononym=mononym)


CULTURES = {
    "english": culture(
        "Jack Harry Tom Liam Ben Sam Josh Ryan Dan Luke Adam Jamie Callum Owen Kyle Lewis Scott Mark "
        "Craig Alfie Ethan Max Joe Rob Reece Connor Billy Toby Nathan Declan",
        "Ash Brad Hal Mor Pen Tal Wick Brook Stan Whit Cart Fen Gold Hart Lang Marsh Rad Thorn Wex Crom",
        "ley ton well by wood field ridge more worth ham stone ford wick den cott er ings lock",
        "Ash Brad Dun Hol Kings Mar Nor Stan Whit Wex Cal Ell Thorn Brom Cran Hather Lang Scar Tad Wen",
        "ford bury ton ham field wick mouth ley worth chester by stead bridge pool dale combe",
        "west",
        ["{t} United", "{t} City", "{t} Rovers", "{t} Athletic", "{t} Town", "{t} Wanderers",
         "{t} Albion", "{t} County", "{t} Rangers", "{t} Borough"],
        ["{t} Park", "{t} Road", "{t} Lane", "The {t} Ground", "{t} Meadow"]),
    "scottish": culture(
        "Callum Ross Euan Fraser Craig Lewis Kyle Jamie Scott Gregor Alistair Hamish Ewan Murray Angus "
        "Stuart Blair Calum Rory Innes",
        "Mac Mc Fer Kin Dal Craw Bu Rob Mur Gil",
        "leod intyre gus naird ziel ford chanan ertson doch christ allister kenzie rae",
        "Kil Dun Aber Inver Craig Glen Loch Bal Strath Kirk Auch Ard",
        "marnock fermline lour ness ie brae more cairn ford haven gowrie ross",
        "north",
        ["{t} FC", "{t} Thistle", "{t} Athletic", "{t} Rovers", "{t} United", "{t} Star",
         "{t} Albion", "Queen of {t}"],
        ["{t} Park", "Glen {t}", "{t} Road"]),
    "irish": culture(
        "Sean Conor Cian Darragh Eoin Padraig Ronan Niall Cathal Oisin Fionn Declan Shane Colm Aidan "
        "Kieran Brendan Donal Ciaran Tadhg",
        "O'Bri O'Dono Mac Kea Dun Fla Gal Mul Quin Red Con Dal Fitz Kav O'Sulli",
        "en ghue hanan ne ny nery lagher vihill lan mond nolly ton gerald anagh livan",
        "Bally Kil Carrick Dun Clon Ath Kin Tull Lis Ennis Rath Tra",
        "more lee garvan dalk mel lone sale ahy corthy mines nagh",
        "north",
        ["{t} Rovers", "{t} Celtic", "{t} United", "{t} Harps", "{t} Town", "{t} Athletic",
         "{t} Wanderers", "{t} Rangers"],
        ["{t} Park", "{t} Showgrounds", "{t} Road"]),
    "welsh": culture(
        "Gareth Rhys Dafydd Ioan Owain Aled Gethin Emlyn Iwan Huw Bryn Cai Dylan Elis Llyr Rhodri "
        "Tomos Geraint Hywel Osian",
        "Da Wil Ev Jo Pri Gri Mor Pow Llew Ow Hu Bev Tho Ed Ri",
        "vies lliams ans nes ce ffiths gan ell elyn en ghes an mas wards chards",
        "Llan Aber Pont Caer Tre Bryn Pen Cwm Rhos Bedd Mer Nant",
        "elli ystwyth ypridd narfon garon mawr arth bran goch gelert thyr ddu",
        "west",
        ["{t} Town", "{t} City", "{t} Athletic", "CPD {t}", "{t} Rovers", "{t} Nomads", "{t} Celts"],
        ["{t} Park", "Parc {t}", "Maes {t}", "{t} Oval"]),
    "american": culture(
        "Tyler Brandon Cody Justin Chase Hunter Landon Tanner Austin Cole Zach Logan Jordan Colton "
        "Bryce Garrett Trent Dalton Brett Wyatt DeAndre Marcus Jalen Andre",
        "Ash Brad Cart Dun Ell Fitz Gray Harr Kel Mill Nor Whit Walk Rob Steve Haw",
        "ton ley ridge wood man ford ham son er ington ins ell field",
        "Spring Oak Cedar Maple River Lake Fair Green Clear Red Rock Silver Pine Brook Stone Eagle",
        "field dale ville ton wood port view haven creek ridge burg",
        "west",
        ["{t} FC", "{t} United", "{t} SC", "Real {t}", "{t} Rangers", "Sporting {t}", "{t} City",
         "Athletic {t}", "{t} Union", "{t} Republic"],
        ["{t} Field", "{t} Park", "{t} Stadium", "{t} Bowl"]),
    "spanish": culture(
        "Alejandro Carlos Diego Javier Pablo Sergio Andrés Iván Raúl Mario Hugo Álvaro Rubén Adrián "
        "Nacho Marcos Íker Dani Jorge Luis Óscar Tomás Gonzalo Santi Víctor Emilio Fermín Joaquín",
        "Cas Var Mor Gar Sal Vil Ferr Ortu Bel Quin Rive Med Tor Esqu Lozo Zapa Arri Ceba Mend Pala",
        "ado era ino ales ano eño ero illo ona uela ares ante ez illa ón az oza",
        "Val Mar Cas Vill Ter Al Sal Mon Gra Bel Van Ostr Peñ Riba Sor Tol Alc Lin Mor Tar",
        "encia dena tilla era ona ana eda oso uela aro illa anca ares ejo ina",
        "med",
        ["Real {t}", "Deportivo {t}", "Atlético {t}", "CD {t}", "UD {t}", "Racing {t}", "{t} CF",
         "SD {t}", "CF {t}", "Sporting {t}"],
        ["Estadio {t}", "Campo de {t}", "Estadio Nuevo {t}", "Municipal {t}"]),
    "latin": culture(
        "José Juan Miguel Jesús Luis Héctor Rodrigo Edson Jonathan Brayan Kevin Erick Alexis Carlos "
        "Jairo Wilmer Fredy Cristian Yeison Andrés Jhon Esteban Nicolás Facundo Agustín Matías Franco "
        "Ezequiel Sebastián Maximiliano",
        "Her Gon Rod Ram Fern Cab Agu Mart Ben Quin Ort Vel Sua Cue Alv Mol Zur Arr Pal Esc",
        "ández ero ez iz ado illa era ino azo aza ón uera ana ito ales",
        "Tlal Chapul Oax Zaca Quer Tol Mazat Cuer Pach Ira San Santa Villa Puerto Río Mira Cor Tuc Rafa Mer",
        "tepec ala uca tlán aro dova cedes umán ela flores alta grande lores mar cán",
        "latin",
        ["Club {t}", "Atlético {t}", "Deportivo {t}", "Real {t}", "CD {t}", "Unión {t}", "Racing {t}",
         "Sportivo {t}", "Independiente {t}", "Estudiantes {t}", "Defensor {t}", "Gimnasia {t}",
         "Rangers {t}", "Deportes {t}"],
        ["Estadio {t}", "Estadio Municipal", "Cancha {t}", "Estadio Olímpico"]),
    "portuguese": culture(
        "João Tiago Rui Nuno André Bruno Diogo Pedro Rafael Gonçalo Fábio Hélder Vítor Sérgio Filipe "
        "Márcio Luís Ricardo Miguel Henrique Duarte Francisco Gil Simão",
        "Cor Mou Fig Bar Car Sil Tei Pin Gou Ara Mend Vas Quei Rebe Lob Fon Mac Azev Bran Cunh",
        "eira inho ão ães ado oso ar ança edo elo uga ela ino ato eiro ença",
        "Alva Bra Cova Estre Gouv Mira Oliv Pena Pom Sand Tond Vala Mont Ferr Torre Lousa",
        "res ga lhã mar cão eira ela ido ães inho ança ede",
        "med",
        ["{t} FC", "Sporting {t}", "União {t}", "Vitória {t}", "Académica {t}", "Desportivo {t}",
         "Clube {t}", "Atlético {t}", "SC {t}", "GD {t}"],
        ["Estádio {t}", "Estádio Municipal", "Campo {t}", "Parque {t}"]),
    "brazilian": culture(
        "João Thiago Caio Renan Vinícius Wesley Everton Leandro Júlio Rodrigo Danilo Igor Matheus "
        "Felipe Gabriel Lucas Rafael Bruno Diego Gustavo Marcelo Paulo Douglas Willian Anderson",
        "Cor Mou Fig Bar Car Sil Tei Pin Gou Ara Mend Vas Quei Rebe Lob Fon Mac Azev Bran Cunh",
        "eira inho ão ães ado oso ar ança edo elo uga ela ino ato eiro ença",
        "Ita Jabo Cara Para Guara Ipa Tamba Juru Mara Ara Porta Bra Fam Alca Tor Pena Sal Mira",
        "tiba nema guá pava baú rema quara tinga lhão cena nova fiel vedo",
        "brazil",
        ["{t} FC", "Esporte {t}", "Sport {t}", "Atlético {t}", "Grêmio {t}", "América {t}",
         "União {t}", "Clube {t}", "Ferroviário {t}", "Operário {t}"],
        ["Estádio {t}", "Arena {t}", "Estádio Municipal", "Campo {t}"],
        mononym=0.25),
    "german": culture(
        "Lukas Jonas Felix Leon Tim Jan Nico Kevin Florian Stefan Tobias Matthias Niklas Julian Marco "
        "Sven Dennis Benedikt Moritz Paul Timo Jörg Maximilian Fabian Lars Dominik Uwe Kai Jens Till",
        "Hof Brand Stein Wald Kling Berg Roß Schmie Eich Kreu Lind Vogel Mühl Hart Baum Fried Schu Wein Zell Korn",
        "mann er berger ner inger hoff ke hardt bach lein feld hauser mayer ling ert",
        "Halv Brem Lind Stein Ober Wald Rosen Eich Mark Schön Falk Kron Mittel Neu Alt Tann Wolfs Hirsch Sand Grün",
        "burg heim dorf stadt hausen feld bach berg au tal hagen furt brück",
        "west",
        ["FC {t}", "SV {t}", "VfB {t}", "TSV {t}", "Borussia {t}", "Eintracht {t}", "Fortuna {t}",
         "SpVgg {t}", "VfL {t}", "SC {t}", "Union {t}"],
        ["{t}er Stadion", "Waldstadion {t}", "Sportpark {t}", "{t} Arena"]),
    "austrian": culture(
        "Florian Lukas David Stefan Christoph Philipp Michael Andreas Marcel Martin Manuel Thomas "
        "Markus Alexander Dominik Patrick Sebastian Maximilian Valentin Konrad",
        "Hu Gruber Pichl Steiner Moser Hof Wim Leit Aigner Strass Holz Eder Brunn Lackn",
        "ber er mayr bauer ner huber inger mann egger hofer leitner",
        "Wolfs Kirch Feld Leo Hall Lien Kapf Brau Traun Stey Ried Zwettl",
        "berg bach kirchen dorf ding au stein fels see",
        "west",
        ["SK {t}", "SV {t}", "FC {t}", "Austria {t}", "ASK {t}", "SC {t}", "Admira {t}", "WSG {t}"],
        ["{t} Arena", "Sportzentrum {t}", "Stadion {t}"]),
    "italian": culture(
        "Marco Luca Andrea Matteo Alessandro Davide Simone Federico Lorenzo Giacomo Riccardo Stefano "
        "Nicolò Gianluca Fabio Paolo Daniele Tommaso Emanuele Pietro Filippo Enrico Mattia Claudio Ciro "
        "Salvatore Michele Edoardo Roberto Antonio",
        "Bel Cas Ross Fer Mar Gal Bor Colo Sant Vit Rug Ciam Lom Pell Garo Tor Ben Dell Manz Cor",
        "ini etti ello ucci ardi one azzi otti ano ieri acco ese oni ella ari",
        "Cas Monte Vall San Ter Bor Lom Fer Ro Pia Ca Cive Sas Orvi Mel Tra Gal Vico Lac Spo",
        "ella ano ino ona ezia ara etto aglia eto ola uzzo ento ora",
        "med",
        ["AC {t}", "US {t}", "{t} Calcio", "Sporting {t}", "Unione {t}", "Atletico {t}", "AS {t}",
         "Virtus {t}", "Pro {t}", "Real {t}"],
        ["Stadio {t}", "Stadio Comunale", "Campo {t}", "Arena {t}"]),
    "french": culture(
        "Antoine Hugo Théo Lucas Mathis Kylian Baptiste Julien Maxime Florian Yann Rémi Étienne Benoît "
        "Loïc Cédric Mathieu Adrien Clément Romain Nicolas Bastien Jérôme Gaël Aurélien Quentin Olivier "
        "Thibault Moussa Ibrahim",
        "Mar Bel Dub Lau Fon Gir Pel Ros Cham Lem Bou Dela Gau Mor Ver Tess Roux Mich Lefe Bar",
        "ier ot and ard ois elle eau in ault on et ac oux ère",
        "Mont Beau Ville Cha Roch Lan Mar Bel Nor Val Saint Fon Aix Bour Cler Douv Lor Puy Sau Tour",
        "ville mont court ac eux ignac elle bonne lieu ange oise mer val erre ier",
        "west",
        ["Olympique {t}", "AS {t}", "Stade {t}", "FC {t}", "Racing {t}", "US {t}", "SC {t}",
         "En Avant {t}", "Union {t}", "AJ {t}"],
        ["Stade de {t}", "Stade Municipal", "Parc de {t}", "Stade du Lac"]),
    "dutch": culture(
        "Daan Sem Lars Bram Jesse Thijs Ruud Joost Wout Stijn Niels Bas Jeroen Koen Pim Teun Milan "
        "Luuk Sven Ties Joris Maarten Floris Rick Dirk",
        "van_ de_ Bak Meul Hoek Dijk Kuij Vos Bos Ter Wij Groot Smeet Hen Kool",
        "stra man ker ens sma sen hoven dijk berg veld kamp hof meer",
        "Zand Haar Eind Ven Dor Gro Alm Maas Wes Leeu Zwol Ame Del Hil Sne",
        "voort dam hoven lo drecht ningen kerk sluis wijk horst veen brug",
        "north",
        ["FC {t}", "SC {t}", "VV {t}", "Sparta {t}", "RKC {t}", "Go Ahead {t}", "{t} Boys",
         "Vitesse {t}", "SV {t}"],
        ["Sportpark {t}", "{t} Stadion", "Park {t}"]),
    "flemish": culture(
        "Thibaut Kevin Axel Dries Jelle Wout Sander Pieter Bram Jens Lander Arne Senne Brecht Toby "
        "Yannick Romelu Youri Michy Siebe",
        "Van_den_ Ver De_ Claes Jans Peet Wil Maes Goos Hend Meert Desm Wouters",
        "bossche straeten mets sens ers mans aert ens rickx",
        "Oost Wes Zel Lok Aal Tie Geel Lier Ro Ha Tur Mech",
        "ende terlo zate eren st nen mal selare sselt nhout elen",
        "west",
        ["KV {t}", "KAA {t}", "Sporting {t}", "Royal {t}", "SK {t}", "KRC {t}", "Cercle {t}",
         "Standard {t}", "RFC {t}"],
        ["Stadion {t}", "Stade de {t}", "Jan Breydel {t}"]),
    "nordic": culture(
        "Erik Lars Magnus Oskar Anders Nils Johan Emil Henrik Viktor Mikkel Rasmus Søren Björn Jonas "
        "Kasper Ola Sindre Håkon Gustav",
        "Lund Berg Dahl Holm Strand Sand Ny Lind Sjö Fors Kjær Haa Vik Skog",
        "qvist gren ström berg sen man by gaard ö lund stad land",
        "Ny Lille Hav Sand Øster Vester Holm Fred Skov Lund Berg Strand Norr Söder Vik Fjell",
        "borg köping by sund vik stad holm havn rup lev hamn",
        "north",
        ["IF {t}", "{t} FF", "{t} BK", "{t} IK", "FC {t}", "{t} SK", "IFK {t}", "{t} Boldklub",
         "{t} Fotball"],
        ["{t} Stadion", "{t} Idrottsplats", "{t} Arena", "{t} Park"]),
    "finnish": culture(
        "Mikko Jukka Teemu Sami Lauri Joni Antti Eero Ville Juho Tuomas Aleksi Onni Petteri Kalle "
        "Niko Roope Jere Markus Topi",
        "Vir Kor Lah Nie Mäk Häm Hei Kos Lai Pel Sal Tuo Hyt Rii",
        "tanen honen tinen minen inen äläinen kkinen kinen nen tola mela vonen",
        "Kuo Jyväs Lah Hämeen Seinä Rova Oulu Vaa Kot Pori Sav Kaja",
        "pio kylä ti linna joki niemi saari salmi lahti",
        "north",
        ["{t}n Palloseura", "FC {t}", "{t} JK", "{t} PS", "{t}n Ilves", "{t} United"],
        ["{t} Stadion", "{t}n Keskuskenttä", "{t} Areena"]),
    "baltic": culture(
        "Mantas Tomas Darius Arvydas Lukas Karolis Janis Kristaps Edgars Martins Raivis Andris Kaspar "
        "Rasmus Siim Mart Taavi Karl Vytautas Aleksandrs",
        "Kaz Petr Jan Bal Ozol Kal Berz Tamm Saar Kask Mil Stan Viln Zem",
        "auskas aitis onis ins ons s ulis iks ovs er",
        "Kau Viln Daug Jel Pär Tart Vent Liep Siau Rak Vil Pane",
        "nas ius avpils gava nu u spils aja ai vere",
        "north"),
    "east_slavic": culture(
        "Ivan Dmitri Sergei Aleksei Andrei Nikolai Pavel Artem Maksim Yuri Oleg Roman Denis Igor "
        "Vladimir Kirill Taras Bohdan Mykola Viktor Anatoli Ruslan",
        "Iva Pet Smir Kuz Sok Pop Mor Vol Zay Shev Kov Bond Tkach Mel Lys Hor",
        "nov ov enko chuk in ev chenko uk yak ets ko",
        "Novo Krasno Volgo Belo Zeleno Staro Sever Yasno Tver Kursk Zhyto Vinny Polt Cher",
        "grad sk dar mir gorod polye ava itsa nik ovo yevo",
        "east",
        ["Dinamo {t}", "Spartak {t}", "Lokomotiv {t}", "Torpedo {t}", "FK {t}", "Metallurg {t}",
         "Shakhtar {t}", "Krylya {t}", "Rotor {t}", "Arsenal {t}", "Khimik {t}", "Neftyanik {t}"],
        ["{t} Arena", "Stadion {t}", "Central Stadium {t}", "Stadion Trud"]),
    "polish": culture(
        "Jakub Tomasz Piotr Kamil Lukasz Marcin Pawel Michal Krzysztof Mateusz Bartosz Grzegorz Adam "
        "Szymon Damian Przemyslaw Wojciech Arkadiusz Karol Dawid",
        "Now Kowal Lewan Wis Zie Krawc Wojt Gros Mazur Piat Glik Szcz Bor Kub",
        "ak ski czyk niewski lski ik ek owski ecki ala ewicz ski",
        "Nowa Stara Bielsko Zielona Jabl Kosz Olo Przy Gniez Sos Ryb Tar",
        "wa ow ice no bork alin ek now nik",
        "east",
        ["Polonia {t}", "Wisla {t}", "Gornik {t}", "Slask {t}", "Lech {t}", "Zaglebie {t}", "Ruch {t}",
         "KS {t}", "Stal {t}", "Odra {t}", "Pogon {t}", "Warta {t}"],
        ["Stadion Miejski {t}", "Stadion {t}", "Arena {t}"]),
    "czech": culture(
        "Petr Ondrej Tomas Jan Lukas Martin Milan Jiri Marek Vaclav Jakub Adam Michal Pavel Matej "
        "Vladimir Patrik David Ladislav Radek",
        "Dvor Novot Svob Kral Horak Ner Pospis Proch Kuch Cerm Vese Blaz Jel Hol",
        "ak ny ik ek ovsky ka ul a ec inek ovec",
        "Hrad Brod Ceske Bystr Kral Luk Pod Jab Tre Vys Mlad Pis",
        "ec ov ava ina in no ice any ov",
        "east",
        ["Sparta {t}", "Slavia {t}", "Bohemians {t}", "Banik {t}", "Dukla {t}", "FK {t}", "MFK {t}",
         "SK {t}", "Viktoria {t}", "Zbrojovka {t}", "Slovan {t}"],
        ["Stadion {t}", "Mestsky Stadion", "Arena {t}"]),
    "south_slavic": culture(
        "Luka Ivan Marko Josip Filip Mateo Ante Nikola Dario Stefan Milos Dusan Aleksandar Nemanja "
        "Vladimir Bojan Goran Zoran Dejan Petar Hristo Dimitar",
        "Kov Per Jur Mar Bab Vuk Nov Mil Jov Stan Pet Rad Mit Bog Sim Lov",
        "ic ovic evic ac ar ec anovic ijevic inovic ov ev",
        "Novi Stari Beli Zlat Krag Vuko Kral Sla Vara Ples Ost Pod Kris",
        "grad ac ovo evo jevo in ica ak ina ar",
        "east",
        ["Dinamo {t}", "Hajduk {t}", "NK {t}", "FK {t}", "Radnik {t}", "Partizan {t}", "Sloga {t}",
         "Borac {t}", "Buducnost {t}", "Sloboda {t}", "Proleter {t}", "Napredak {t}"],
        ["Stadion {t}", "Gradski Stadion {t}", "Stadion Pod {t}"]),
    "romanian": culture(
        "Andrei Alexandru Ionut Mihai Florin Cristian Razvan Bogdan Gabriel Adrian Vlad Sorin Catalin "
        "Marius Dorin Cosmin Ciprian Lucian Stefan Radu",
        "Pop Ion Stan Dum Radu Mar Con Geor Mun Tudo Vas Nica Barb Ghe Rusu Pet",
        "escu ache oiu eanu ean ita u ila ariu",
        "Cluj Bras Timi Cra Ora Bra Cons Pite Sibi Arad Buz Sla Foc Tar",
        "ova sti iu ea eni ani ita oara esti ana",
        "med",
        ["FC {t}", "Dinamo {t}", "Rapid {t}", "Steaua {t}", "CS {t}", "Petrolul {t}", "Otelul {t}",
         "Gloria {t}", "Progresul {t}", "Viitorul {t}", "ACS {t}"],
        ["Stadionul {t}", "Arena {t}", "Stadionul Municipal"]),
    "hungarian": culture(
        "Balázs Dániel Ádám Bence Gergely Zsolt Tamás Péter László Attila Krisztián Norbert Roland "
        "Dominik Levente Márton Zoltán Gábor Ákos Csaba Szabolcs Bálint",
        "Nagy Kov Szab Tót Hor Var Kis Mol Fark Bal Luk Pap Simo Juh Lakat Fek",
        "ács ó h áth ga ár as ogh nár os",
        "Debre Szeged Kecs Nyír Szom Pécs Gyor Zala Eger Miskol Kapos Szol Tata Baja",
        "cen kemét egyháza bathely vár falva halom nok ege",
        "east",
        ["{t} FC", "{t} SE", "{t} VSC", "Vasas {t}", "Honvéd {t}", "{t}i TE", "Haladás {t}",
         "{t} Kinizsi", "MTE {t}", "{t} ETO"],
        ["{t} Stadion", "{t} Aréna", "Városi Stadion {t}"]),
    "greek": culture(
        "Giorgos Nikos Dimitris Kostas Giannis Vasilis Christos Panagiotis Thanasis Stelios Michalis "
        "Alexandros Sotiris Lefteris Manolis Petros Andreas Spyros Antonis Kyriakos",
        "Papa Karag Geor Niko Dimi Vasi Kons Alex Chris Stav Pana Mano Kouk Sama Ioan Lamb",
        "dopoulos ounis iou lakis tris liadis ellos akis opoulos ides atos idis ou as",
        "Kala Thessa Ala Lari Vero Kava Drama Xan Serr Koza Trik Volo Patra Chal",
        "mata loniki ssa ia la kida ni ko ios",
        "med",
        ["AE {t}", "AO {t}", "Aris {t}", "Asteras {t}", "Apollon {t}", "Ethnikos {t}", "Doxa {t}",
         "PAS {t}", "Athlitiki {t}", "Panthrakikos {t}"],
        ["Stadio {t}", "Gipedo {t}", "Dimotiko Stadio {t}"]),
    "turkish": culture(
        "Mehmet Emre Burak Arda Kerem Hakan Cengiz Ozan Mert Selim Volkan Caner Baris Tolga Serkan "
        "Umut Yusuf Okan Cem Onur Eren Kaan",
        "Yil Kaya Demir Çel Sah Ayd Öz Arsl Kurt Koc Er Tun Ak Yal Kar Gül",
        "maz ik oglu in ci soy türk kaya çin an dag er tas",
        "Kara Ak Es Yeni Bal Göl Sar Kir Bur Ant Kon Tra Der Kay",
        "ova su köy pinar yaka hisar dere kale tepe sehir bahçe",
        "med",
        ["{t}spor", "{t} Gençlik", "{t} FK", "{t}gücü", "{t} Sportif", "{t} Belediye", "{t} Idman"],
        ["{t} Stadyumu", "{t} Arena", "{t} Sehir Stadi"]),
    "albanian": culture(
        "Ardit Elseid Armando Besnik Endri Erion Klodian Arlind Valon Fatos Lorik Agon Dritan Ilir "
        "Edon Leart Amir Florent",
        "Hox Ber Kel Dur Gjok Lek Mus Shal Krasn Hys Ram Xhak",
        "ha isha mendi aj iqi a aku eni i",
        "Dur Kor Shko Vlo Elba Fier Berat Gjak Prizr Peja",
        "rës çë dër ra san ovë en ë",
        "med"),
    "georgian": culture(
        "Giorgi Levan Davit Nika Luka Zurab Lasha Otar Irakli Tornike Saba Vako Guram Jaba Shota Beka",
        "Kvara Mikh Chak Beri Lobzh Gog Kip Tsi Mame Dvali Kash Lor",
        "shvili adze ia iani elia ava uri",
        "Kuta Batu Zug Poti Gori Rus Tela Senak Khash Samt",
        "isi mi didi avi ri tavi ia",
        "med"),
    "armenian": culture(
        "Aram Hovhannes Tigran Narek Armen Gevorg Vardan Karen Artur Sargis Edgar Hrayr Arman Vahe Levon",
        "Hovha Sarg Grig Petro Mkrt Ghaz Arak Bab Minas Zak Avet Har",
        "nnisyan syan oryan yan chyan aryan elyan",
        "Gyum Vana Ijev Hraz Abov Kapa Goris Ejmi",
        "ri dzor an dan yan tsin",
        "med"),
    "central_asian": culture(
        "Azamat Nurlan Yerlan Daniyar Timur Rustam Sherzod Jasur Eldor Otabek Bakhtiyor Askar Aibek "
        "Ruslan Dilshod Farrukh Islom Temur Batbayar Ganbold",
        "Nur Abdu Ismoi Kari Tash Yusu Rakh Sult Bek Zhan Mukh Ibra Bat Gan",
        "ov lov manov mov pov bekov aev ullaev urov erdene",
        "Sam Tash Nam Ferg And Bukh Almat Kara Shym Akt Osh Khuj",
        "arkand kent gan ona ijan ara ganda and au",
        "east_asian"),
    "persian": culture(
        "Ali Reza Mehdi Saeed Hossein Amir Mohammad Karim Javad Masoud Morteza Hamid Farhad Behnam "
        "Ehsan Omid Sardar Vahid Milad Arash",
        "Rez Hossei Kari Ahma Jaha Nour Sade Mora Tehr Aza Moh Kaz",
        "aei ni mi di nbakhsh ghi ani ri seni zadeh",
        "Esfa Tabr Shir Mash Kerm Ahv Rasht Qazv Zanj Ardab Yazd Hamed",
        "han iz az had an vin il abad ar",
        "arab",
        ["Naft {t}", "Sanat {t}", "Pars {t}", "Foolad {t}", "Shahr {t}", "Nassaji {t}", "{t} FC",
         "Padideh {t}", "Mes {t}"],
        ["{t} Stadium", "Azadi {t}", "{t} Sports Complex"]),
    "arabic": culture(
        "Mohamed Ahmed Omar Youssef Karim Hassan Ali Amr Tarek Mahmoud Hamza Achraf Hakim Nabil "
        "Yassine Salem Fahad Faisal Saud Khalid Nasser Majed Walid Adel Ayman Sami",
        "El_ Al_ Ben_ Abdel Sha Has Rah Moust Man Za Qah Ham Dou Fat",
        "rawi ary souri man afa oud idi tani azi abi hani ouni ghari",
        "Ism Mans Dam Suh Tan Faiy Min Asw Zaga Qen Safi Oujd Tet Berk Qas Tab Haf Jub Abh Naj",
        "ailia oura anhour ag ta oum ya an zig a ane uan ouan im uk ran",
        "arab",
        ["Al {t}", "{t} SC", "Ittihad {t}", "Chabab {t}", "Olympique {t}", "Nahda {t}", "Ahly {t}",
         "Shabab {t}", "Najm {t}", "Raed {t}"],
        ["{t} Stadium", "Stade {t}", "Prince {t} Stadium", "{t} Sports City"]),
    "hebrew": culture(
        "Yossi Eran Omer Dor Itay Eli Tal Amit Noam Yonatan Ido Gal Avi Dan Shlomo Ron Moshe Lior Ofir Ben",
        "Ben Had Coh Lev Miz Sha Bar Gol Kat Per Ash Dah Zah",
        "ayoun ad en i rahi lom on dman an etz kenazi avi",
        "Ash Ram Neta Hol Reho Nahar Kfar_Sa Bet_She Kirya Afu Yav Hade",
        "dod la nya on vot iya ba an ra",
        "med"),
    "west_african": culture(
        "Chidi Emeka Tunde Segun Kelechi Ahmed Samuel Victor Moussa Ibrahima Cheikh Mamadou Pape Lamine "
        "Aliou Joël Serge Kwame Kofi Yaw Sadio Idrissa Bakary Olumide Uche Obinna Didier Franck Patrice",
        "Okon Ade Oba Eze Diall Ndia Sow Tou Kon Mbe Nkou Ess Asa Owu Mensa Bam Cam Sar Dra Kei",
        "kwe yemi funmi ke o ye ré até mba lu ou ah moah ara ngo eba dou",
        "Aba Ilo Oyo Ogbo Enu Kad Abe Iba Osu Maku Ngao Kri Lim Mbal Dou Thi Kao Tamba Mbou Kol",
        "kuta rin gun sho ma una ja di fang bé lack chor counda mayo mbo ro",
        "african",
        ["{t} United", "{t} Rangers", "{t} Stars", "{t} Warriors", "{t} Pillars", "{t} Tornadoes",
         "AS {t}", "Union {t}", "Racing {t}", "Étoile {t}", "ASC {t}", "Renaissance {t}"],
        ["{t} Township Stadium", "Stade {t}", "{t} Stadium", "Stade Municipal"]),
    "lusophone_african": culture(
        "João Manuel Pedro Gelson Bruno Mateus Flávio Djalma Nélson Hélder Edmilson Mário Dário Rui "
        "Kiki Fredy Ary Stopira",
        "Man Qui Ngu Sang Mbem Dji Car Fer Men Tava Lop Mon",
        "uel mba ela inga ba valho nandes des res on",
        "Lu Hua Ben Lobi Mali Nam Bei Mapu Quel Pemba",
        "anda mbo guela to anje ibe ra to imane",
        "african"),
    "east_african": culture(
        "David Michael Dennis Brian Victor Eric Joseph Emmanuel Kelvin Amos Patrick Moses Geoffrey "
        "Ibrahim Juma Baraka Faraja Tumaini Abebe Getaneh",
        "Oti Wany Olu Mwa Kama Njo Mugi Kiprot Odhi Wanj Mbw Kago Otie Ochi",
        "eno ama nga ura ngi roge ich ambo ku ala ete mbe",
        "Nak Kisu Mom Eld Jin Mbar Aru Dod Kig Gul Bah",
        "uru mu basa oret ja ara sha oma ali u ir dar",
        "african"),
    "southern_african": culture(
        "Thabo Sipho Themba Bongani Teko Lebogang Siyabonga Kagiso Itumeleng Tshepo Mandla Njabulo "
        "Sibusiso Lucky Given Tatenda Chisomo Mthunzi Khama Knowledge",
        "Mok Nkos Dla Khu Mas Zu Mbat Ngc Mthe Ser Mahl Tsha Mkh Chi",
        "ena ana mini malo ilela ma ha obo thwa ela ngu ize",
        "Polo Thoho Mbo Mala Kwa Umla Bloem Ruste Sosha Tembi Ekur Mtha Ila Nqu",
        "kwane yandou mbela ndi mashu zi nburg ngwe ngu tha sa",
        "african",
        ["{t} Chiefs", "{t} Pirates", "{t} Sundowns", "{t} Arrows", "{t} Stars", "{t} City",
         "{t} United", "{t} Swallows", "{t} Celtic", "{t} Aces"],
        ["{t} Stadium", "{t} Park", "{t} Sports Ground"]),
    "japanese": culture(
        "Takumi Kenta Yuto Haruto Daiki Shota Riku Sota Kaito Ren Hiroki Yuki Kazuya Shinji Makoto "
        "Ryota Genki Tatsuya",
        "Naka Yama Taka Kawa Hashi Mori Fuji Ishi Matsu Ao Kita Sato Kuro Miya Haya",
        "mura moto shita da no uchi saki gawa zaki hara oka ta kawa",
        "Kawa Naga Hama Taka Oka Kita Yama Mina Shizu Matsu Tsu Sendo Nara Uto",
        "saki moto yama hara shima gawa oka zawa mi ta ichi",
        "east_asian",
        ["{t} FC", "FC {t}", "{t} United", "{t} Sparks", "{t} Blaze", "Sporting {t}", "{t} Hawks",
         "{t} Wings"],
        ["{t} Stadium", "{t} Sports Park", "{t} Dome"]),
    "korean": culture(
        "Min-jun Ji-ho Seo-jun Hyun-woo Do-yun Jae-sung Sung-min Dong-hyun Tae-hee Young-ho Kyung-won "
        "Jin-su Woo-jin Sang-ho",
        "Kim Lee Park Choi Jung Kang Yoon Jang Lim Han Seo Shin Kwon Hwang", "",
        "Gwang Cheong Dae Ul Su Gim Jeon An Chang Po Gang Mok Yeo",
        "ju jin won san cheon hae yang seong nam po",
        "east_asian",
        ["{t} FC", "{t} United", "{t} Citizen", "{t} Dragons", "{t} Steel", "{t} Tigers", "{t} Phoenix"],
        ["{t} Stadium", "{t} World Cup Park", "{t} Sports Complex"]),
    "chinese": culture(
        "Wei Hao Lei Jun Peng Tao Yang Bo Chen Long Xiang Jian Ming Kai Zhi Yu",
        "Wang Li Zhang Liu Chen Zhao Huang Zhou Wu Xu Sun Ma Hu Guo Gao Lin", "",
        "Xin Jiang Chang Hua Nan Lan Zhen Gui Tian Wu Hai Qing",
        "yang zhou ning sha chuan lin hai shan du an men",
        "east_asian",
        ["{t} FC", "{t} Dragons", "{t} Lions", "{t} Rising", "{t} Harbour", "{t} Eagles", "{t} Everbright"],
        ["{t} Olympic Centre", "{t} Stadium", "{t} People's Stadium"]),
    "thai": culture(
        "Somchai Anon Kittipong Wichai Nattapong Prasert Thanakorn Chatchai Sarawut Pongsak Weerapat "
        "Apichat Siwakorn Tanawat Surachat Jakkit Prakit Nopphon Somsak",
        "Song Chai Srisa Kaew Thong Boon Phum Wong Sukh Rat Sang Inth",
        "kram sawat ard mee chai sri yai suk pan na rak",
        "Chiang Nakhon Suphan Chon Khon Udon Buri Ubon Lam Phra Nong Sing",
        "buri mai kaen thani pang rat khai sri",
        "se_asian"),
    "vietnamese": culture(
        "Van_Quang Duc_Huy Cong_Phuong Tien_Linh Xuan_Truong Tuan_Anh Minh_Vuong Van_Hau Thanh_Chung "
        "Hoang_Duc Van_Toan Trong_Hoang Duy_Manh Quang_Hai Van_Lam Hung_Dung",
        "Nguyen Tran Le Pham Hoang Phan Vu Dang Bui Do Ho Ngo Duong Ly", "",
        "Ha Thanh Hai Da Nam Hue Vinh Can Quang Binh Long Phu",
        "noi hoa phong nang dinh tho ninh an duong yen",
        "se_asian"),
    "malay": culture(
        "Ahmad Muhammad Rizky Andik Evan Bambang Hendra Irfan Safee Hafiz Faiz Azmi Syahrul Arif Yanto "
        "Budi Dedi Agus Eko Fandi",
        "Sura Wiba Pra Nug Sap Hasa Rahm Isma Abdul Ham Sulai Kurn",
        "tmo wo setyo roho utra nudin an il man id iawan di",
        "Sura Band Sema Medan Pale Maka Kuala Johor Ipoh Kota Penang",
        "baya ung rang mbang ssar lumpur bahru tinggi bharu",
        "se_asian"),
    "filipino": culture(
        "John Mark Paolo Jerome Carlo Miguel Rafael Angelo Kenneth Jericho Joshua Christian Renz Jovin "
        "Patrick Neil",
        "Dela_Cruz Sant Rey Bau Ocam Garc Mend Villa Ram Aqui Cast Pan",
        "os es tista po ia oza nueva ino illa gan",
        "Bata Cebu Dava Ilo Tacl Lega Dumag Anti Calam Zambo",
        "ngas o ilo pi olo polo anga",
        "se_asian"),
    "south_asian": culture(
        "Rahul Sunil Arjun Vikram Karan Amit Rohit Sanjay Anil Deepak Gurpreet Harpreet Manvir Sandeep "
        "Pritam Ashok Imran Farhan Rakib Saad",
        "Shar Sin Ku Pat Chet Kha Ban Gho Dey Sah Rao Nai Jha Bhat Gill Mal",
        "ma gh mar el ri n erjee sh ni r du k t hotra",
        "Chan Bhub Kol Guwa Pun Shil Madu Jaip Luckn Kozhi",
        "digarh aneswar kata hati e long rai ur now kode",
        "south_asian"),
    "caribbean": culture(
        "Andre Ricardo Damion Kemar Shamar Dwayne Jermaine Marvin Leon Romario Kevon Sheldon Omar "
        "Tyrone Devon Akeem Kadeem Nickoy Trevor Wendell",
        "Wil Bro Camp Wat Bai Mor Grant Lew Rich Thomp Simp Fra Ja Gay",
        "liams wn bell son ley ris ton is ards kins ser mes le",
        "Port_Ant Mon Ocho May Sav Lin Falm Mand Chag Arim Sang Spring",
        "onio tego Rios pen stead ville outh re ima uanas",
        "caribbean",
        ["{t} FC", "{t} United", "{t} Harbour View", "{t} Cavalier", "{t} Waterhouse", "{t} Portmore",
         "{t} Tivoli", "{t} Boys' Town", "{t} Arnett"],
        ["{t} Park", "{t} Oval", "{t} Sports Complex"]),
    "haitian": culture(
        "Jean Pierre Wilde Duckens Kervens Frantzdy Derrick Mechack Carlens Bryan Ricardo Steeven "
        "Jonel Réginal Fabrice Nazon",
        "Jean-Bap Pier Lou Ale Desir Cha Noel Bel Fran Sai Mon",
        "tiste re is xis vil rles fort zy mont lus",
        "Gona Jac Cap Les Jér Hin Mira Petit",
        "ïves mel Haïtien Cayes émie che goâne",
        "caribbean"),
    "dutch_caribbean": None,  # dutch names, Caribbean look (filled below)
    "aussie": culture(
        "Mitch Jackson Riley Cooper Lachlan Brodie Tyson Zac Hayden Jarrod Bailey Kurtis Dylan Nathan "
        "Blake Aiden Tane Wiremu Ihaia Rawiri",
        "Ash Brad Cart Dun Ell Fitz Gray Hurl Kel McK Nor Whit Ra Tu Te",
        "ton ley ridge wood man ford ham son inga hoe wera ata",
        "Wagga Coola Bunda Tarra Ballar Mildu Wollon Toowo Kara Yarra Tau Whan Roto Kai Pae Wai Tima Mana",
        "berg ngatta bah gong ra ba wong mba ranga garei rua kohe roa kato tika",
        "oceania",
        ["{t} FC", "{t} City", "{t} United", "{t} Rovers", "{t} Jets", "{t} Strikers", "{t} Athletic",
         "{t} Olympic", "{t} AFC"],
        ["{t} Oval", "{t} Park", "{t} Domain", "{t} Reserve"]),
    "pacific": culture(
        "Roy Pita Tevita Sione Manu Iosefa Heimana Teva Raimana Jerry Samuela Josaia Ratu Tomasi Micah "
        "Benjamin Francis Henri Tamatea Moana",
        "Tui Nai Vaka Rai Tei Mata Vuni Koro Tava Hiti Puna Lavu Mau Tala",
        "vatu lagi rua tea moana nisi vou ra ula iti ivalu kula",
        "Ba Lau Nadi Suv Rew Tav Lab Nau Pape Faa Tara Mahi Hon Auk Malu Kira Buala Noro",
        "toka dra ua asa uki sori avu ete vao na iara ta kira ni",
        "pacific",
        ["{t} FC", "AS {t}", "JS {t}", "{t} United", "{t} Blues", "Real {t}", "{t} Stars",
         "Excelsior {t}"],
        ["{t} Park", "Stade {t}", "{t} Ground"]),
}
CULTURES["dutch_caribbean"] = dict(CULTURES["dutch"], skins=LOOKS["caribbean"][0], hair=LOOKS["caribbean"][1])
# ------------------------------------------------------------------- countries
#
# Kit colour numbers: 0 light grey, 1 white, 2 black, 3 orange, 4 red, 5 blue,
# 6 maroon, 7 sky blue, 8 green, 9 yellow, 10 purple, 11 pink, 12 azure,
# 13 steel blue, 14 dark green, 15 navy, 16 dark red, 17 magenta, 18 cyan,
# 19 lime, 20 gold, 21 grey, 22 khaki.

CONFEDERATIONS = [("UEF", "uef", "UEFA"), ("CNC", "cnc", "CONCACAF"), ("CNM", "cnm", "CONMEBOL"),
                  ("CAF", "caf", "CAF"), ("AFC", "afc", "AFC"), ("OFC", "ofc", "OFC")]
UEF, CNC, CNM, CAF, AFC, OFC = range(6)

# Nations: code, name, confederation, culture, strength 0..1, home colours (shirt, second).
# The order is the order of each confederation's national team file.
NATIONS = [
    ("ENG", "England", UEF, "english", 1.00, (1, 15)),
    ("ESP", "Spain", UEF, "spanish", 1.00, (4, 9)),
    ("GER", "Germany", UEF, "german", 0.95, (1, 2)),
    ("ITA", "Italy", UEF, "italian", 0.95, (12, 1)),
    ("FRA", "France", UEF, "french", 0.95, (15, 1)),
    ("NED", "Netherlands", UEF, "dutch", 0.85, (3, 1)),
    ("POR", "Portugal", UEF, "portuguese", 0.85, (16, 14)),
    ("BEL", "Belgium", UEF, "flemish", 0.85, (4, 2)),
    ("CRO", "Croatia", UEF, "south_slavic", 0.80, (4, 1)),
    ("SUI", "Switzerland", UEF, "german", 0.66, (4, 1)),
    ("DEN", "Denmark", UEF, "nordic", 0.68, (4, 1)),
    ("SWE", "Sweden", UEF, "nordic", 0.62, (20, 5)),
    ("POL", "Poland", UEF, "polish", 0.60, (1, 4)),
    ("SCO", "Scotland", UEF, "scottish", 0.55, (15, 1)),
    ("WAL", "Wales", UEF, "welsh", 0.55, (4, 8)),
    ("NIR", "Northern Ireland", UEF, "english", 0.42, (8, 1)),
    ("IRL", "Rep. of Ireland", UEF, "irish", 0.48, (8, 1)),
    ("AUT", "Austria", UEF, "austrian", 0.62, (4, 1)),
    ("CZE", "Czech Republic", UEF, "czech", 0.60, (4, 1)),
    ("SVK", "Slovakia", UEF, "czech", 0.50, (1, 5)),
    ("SVN", "Slovenia", UEF, "south_slavic", 0.45, (1, 8)),
    ("SRB", "Serbia", UEF, "south_slavic", 0.62, (4, 5)),
    ("BIH", "Bosnia-Herzegovina", UEF, "south_slavic", 0.48, (5, 9)),
    ("MNE", "Montenegro", UEF, "south_slavic", 0.40, (16, 20)),
    ("MKD", "North Macedonia", UEF, "south_slavic", 0.38, (4, 9)),
    ("BUL", "Bulgaria", UEF, "south_slavic", 0.40, (1, 8)),
    ("ALB", "Albania", UEF, "albanian", 0.42, (4, 2)),
    ("KOS", "Kosovo", UEF, "albanian", 0.35, (5, 20)),
    ("GRE", "Greece", UEF, "greek", 0.52, (1, 5)),
    ("CYP", "Cyprus", UEF, "greek", 0.28, (5, 1)),
    ("TUR", "Turkey", UEF, "turkish", 0.62, (4, 1)),
    ("AZE", "Azerbaijan", UEF, "turkish", 0.25, (4, 12)),
    ("UKR", "Ukraine", UEF, "east_slavic", 0.58, (9, 12)),
    ("RUS", "Russia", UEF, "east_slavic", 0.58, (1, 5)),
    ("BLR", "Belarus", UEF, "east_slavic", 0.32, (4, 1)),
    ("ROU", "Romania", UEF, "romanian", 0.50, (9, 5)),
    ("MDA", "Moldova", UEF, "romanian", 0.20, (5, 9)),
    ("HUN", "Hungary", UEF, "hungarian", 0.52, (4, 1)),
    ("NOR", "Norway", UEF, "nordic", 0.55, (4, 15)),
    ("FIN", "Finland", UEF, "finnish", 0.42, (1, 5)),
    ("ISL", "Iceland", UEF, "nordic", 0.40, (5, 1)),
    ("FRO", "Faroe Islands", UEF, "nordic", 0.18, (1, 5)),
    ("EST", "Estonia", UEF, "baltic", 0.22, (5, 2)),
    ("LVA", "Latvia", UEF, "baltic", 0.22, (6, 1)),
    ("LTU", "Lithuania", UEF, "baltic", 0.25, (9, 8)),
    ("ISR", "Israel", UEF, "hebrew", 0.40, (5, 1)),
    ("GEO", "Georgia", UEF, "georgian", 0.42, (1, 4)),
    ("ARM", "Armenia", UEF, "armenian", 0.32, (4, 5)),
    ("KAZ", "Kazakhstan", UEF, "central_asian", 0.28, (9, 12)),
    ("MEX", "Mexico", CNC, "latin", 0.68, (14, 1)),
    ("USA", "USA", CNC, "american", 0.64, (1, 15)),
    ("CAN", "Canada", CNC, "american", 0.55, (4, 1)),
    ("CRC", "Costa Rica", CNC, "latin", 0.48, (4, 5)),
    ("PAN", "Panama", CNC, "latin", 0.42, (4, 1)),
    ("JAM", "Jamaica", CNC, "caribbean", 0.42, (20, 8)),
    ("HON", "Honduras", CNC, "latin", 0.38, (1, 5)),
    ("SLV", "El Salvador", CNC, "latin", 0.30, (5, 1)),
    ("GUA", "Guatemala", CNC, "latin", 0.28, (1, 7)),
    ("TRI", "Trinidad and Tobago", CNC, "caribbean", 0.30, (4, 2)),
    ("HAI", "Haiti", CNC, "haitian", 0.30, (5, 4)),
    ("CUW", "Curaçao", CNC, "dutch_caribbean", 0.32, (5, 9)),
    ("SUR", "Suriname", CNC, "dutch_caribbean", 0.25, (1, 8)),
    ("CUB", "Cuba", CNC, "latin", 0.22, (4, 5)),
    ("DOM", "Dominican Rep.", CNC, "latin", 0.18, (15, 4)),
    ("NCA", "Nicaragua", CNC, "latin", 0.18, (5, 1)),
    ("GUY", "Guyana", CNC, "caribbean", 0.18, (9, 8)),
    ("BLZ", "Belize", CNC, "caribbean", 0.12, (5, 4)),
    ("PUR", "Puerto Rico", CNC, "latin", 0.12, (4, 5)),
    ("BRB", "Barbados", CNC, "caribbean", 0.10, (20, 5)),
    ("BER", "Bermuda", CNC, "caribbean", 0.12, (5, 4)),
    ("ATG", "Antigua", CNC, "caribbean", 0.12, (4, 2)),
    ("GRN", "Grenada", CNC, "caribbean", 0.10, (4, 9)),
    ("SKN", "St Kitts and Nevis", CNC, "caribbean", 0.12, (8, 4)),
    ("BRA", "Brazil", CNM, "brazilian", 1.00, (9, 8)),
    ("ARG", "Argentina", CNM, "latin", 0.98, (7, 1)),
    ("URU", "Uruguay", CNM, "latin", 0.72, (7, 1)),
    ("COL", "Colombia", CNM, "latin", 0.66, (9, 15)),
    ("CHI", "Chile", CNM, "latin", 0.55, (4, 15)),
    ("ECU", "Ecuador", CNM, "latin", 0.55, (9, 5)),
    ("PAR", "Paraguay", CNM, "latin", 0.48, (4, 1)),
    ("PER", "Peru", CNM, "latin", 0.48, (1, 4)),
    ("VEN", "Venezuela", CNM, "latin", 0.40, (16, 1)),
    ("BOL", "Bolivia", CNM, "latin", 0.30, (8, 1)),
    ("NGA", "Nigeria", CAF, "west_african", 0.58, (8, 1)),
    ("SEN", "Senegal", CAF, "west_african", 0.62, (1, 8)),
    ("MAR", "Morocco", CAF, "arabic", 0.66, (4, 14)),
    ("EGY", "Egypt", CAF, "arabic", 0.52, (4, 1)),
    ("CMR", "Cameroon", CAF, "west_african", 0.50, (8, 4)),
    ("GHA", "Ghana", CAF, "west_african", 0.50, (1, 2)),
    ("CIV", "Ivory Coast", CAF, "west_african", 0.55, (3, 1)),
    ("ALG", "Algeria", CAF, "arabic", 0.52, (1, 8)),
    ("TUN", "Tunisia", CAF, "arabic", 0.45, (4, 1)),
    ("RSA", "South Africa", CAF, "southern_african", 0.42, (20, 8)),
    ("MLI", "Mali", CAF, "west_african", 0.45, (9, 8)),
    ("BFA", "Burkina Faso", CAF, "west_african", 0.40, (8, 4)),
    ("GUI", "Guinea", CAF, "west_african", 0.35, (4, 9)),
    ("COD", "DR Congo", CAF, "west_african", 0.42, (7, 4)),
    ("CGO", "Congo", CAF, "west_african", 0.28, (8, 9)),
    ("GAB", "Gabon", CAF, "west_african", 0.30, (9, 8)),
    ("ANG", "Angola", CAF, "lusophone_african", 0.30, (4, 2)),
    ("CPV", "Cape Verde", CAF, "lusophone_african", 0.35, (5, 1)),
    ("MOZ", "Mozambique", CAF, "lusophone_african", 0.22, (4, 2)),
    ("ZAM", "Zambia", CAF, "southern_african", 0.32, (8, 3)),
    ("ZIM", "Zimbabwe", CAF, "southern_african", 0.25, (9, 8)),
    ("KEN", "Kenya", CAF, "east_african", 0.25, (4, 8)),
    ("UGA", "Uganda", CAF, "east_african", 0.28, (9, 4)),
    ("TAN", "Tanzania", CAF, "east_african", 0.20, (5, 8)),
    ("ETH", "Ethiopia", CAF, "east_african", 0.18, (8, 9)),
    ("BEN", "Benin", CAF, "west_african", 0.25, (9, 8)),
    ("TOG", "Togo", CAF, "west_african", 0.22, (9, 8)),
    ("MAD", "Madagascar", CAF, "southern_african", 0.22, (4, 8)),
    ("LBY", "Libya", CAF, "arabic", 0.25, (4, 2)),
    ("SDN", "Sudan", CAF, "arabic", 0.18, (4, 1)),
    ("NIG", "Niger", CAF, "west_african", 0.15, (3, 8)),
    ("GAM", "Gambia", CAF, "west_african", 0.22, (4, 5)),
    ("JPN", "Japan", AFC, "japanese", 0.66, (15, 1)),
    ("KOR", "Korea Republic", AFC, "korean", 0.60, (4, 2)),
    ("IRN", "Iran", AFC, "persian", 0.58, (1, 8)),
    ("AUS", "Australia", AFC, "aussie", 0.55, (20, 14)),
    ("KSA", "Saudi Arabia", AFC, "arabic", 0.48, (1, 14)),
    ("QAT", "Qatar", AFC, "arabic", 0.42, (6, 1)),
    ("CHN", "China", AFC, "chinese", 0.40, (4, 9)),
    ("UAE", "UAE", AFC, "arabic", 0.36, (1, 4)),
    ("IRQ", "Iraq", AFC, "arabic", 0.38, (8, 1)),
    ("UZB", "Uzbekistan", AFC, "central_asian", 0.40, (1, 5)),
    ("JOR", "Jordan", AFC, "arabic", 0.35, (1, 4)),
    ("OMA", "Oman", AFC, "arabic", 0.30, (4, 1)),
    ("BHR", "Bahrain", AFC, "arabic", 0.30, (4, 1)),
    ("SYR", "Syria", AFC, "arabic", 0.30, (4, 1)),
    ("KUW", "Kuwait", AFC, "arabic", 0.25, (5, 1)),
    ("LIB", "Lebanon", AFC, "arabic", 0.22, (4, 1)),
    ("PLE", "Palestine", AFC, "arabic", 0.22, (8, 1)),
    ("THA", "Thailand", AFC, "thai", 0.30, (5, 4)),
    ("VIE", "Vietnam", AFC, "vietnamese", 0.30, (4, 9)),
    ("IDN", "Indonesia", AFC, "malay", 0.25, (4, 1)),
    ("MAS", "Malaysia", AFC, "malay", 0.22, (9, 2)),
    ("IND", "India", AFC, "south_asian", 0.20, (5, 3)),
    ("PRK", "Korea DPR", AFC, "korean", 0.25, (4, 1)),
    ("KGZ", "Kyrgyzstan", AFC, "central_asian", 0.22, (4, 9)),
    ("TJK", "Tajikistan", AFC, "central_asian", 0.20, (1, 4)),
    ("PHI", "Philippines", AFC, "filipino", 0.15, (5, 4)),
    ("NZL", "New Zealand", OFC, "aussie", 0.35, (1, 2)),
    ("FIJ", "Fiji", OFC, "pacific", 0.20, (1, 7)),
    ("TAH", "Tahiti", OFC, "pacific", 0.16, (4, 1)),
    ("SOL", "Solomon Islands", OFC, "pacific", 0.18, (9, 5)),
    ("NCL", "New Caledonia", OFC, "pacific", 0.16, (21, 4)),
    ("PNG", "Papua New Guinea", OFC, "pacific", 0.12, (4, 2)),
    ("VAN", "Vanuatu", OFC, "pacific", 0.12, (20, 2)),
    ("SAM", "Samoa", OFC, "pacific", 0.08, (5, 1)),
    ("TGA", "Tonga", OFC, "pacific", 0.06, (4, 1)),
    ("COK", "Cook Islands", OFC, "pacific", 0.04, (8, 1)),
]

# Club files: code, catalogue name (at most 18 characters), strength of the
# top clubs 0..1, division sizes from the top, clubs without a league
# (division 0), culture when it differs from the nation's. Confederation and
# default culture come from NATIONS. The order is the catalogue order.
CLUB_COUNTRIES = [
    ("ENG", "England", 1.00, [20, 18, 16, 14], 0, None),
    ("ESP", "Spain", 1.00, [20, 16, 14], 0, None),
    ("GER", "Germany", 0.95, [18, 16, 14], 0, None),
    ("ITA", "Italy", 0.95, [20, 16, 14], 0, None),
    ("FRA", "France", 0.85, [18, 16], 0, None),
    ("NED", "Netherlands", 0.75, [18, 14], 0, None),
    ("POR", "Portugal", 0.75, [16, 14], 0, None),
    ("SCO", "Scotland", 0.55, [12, 10], 10, None),
    ("BEL", "Belgium", 0.68, [16, 12], 0, None),
    ("TUR", "Turkey", 0.68, [18, 14], 0, None),
    ("RUS", "Russia", 0.62, [16], 0, None),
    ("UKR", "Ukraine", 0.58, [14], 0, None),
    ("GRE", "Greece", 0.55, [14], 0, None),
    ("SUI", "Switzerland", 0.55, [10], 0, None),
    ("AUT", "Austria", 0.52, [12], 0, None),
    ("CRO", "Croatia", 0.52, [12], 0, None),
    ("SRB", "Serbia", 0.50, [14], 0, None),
    ("CZE", "Czech Republic", 0.52, [16], 0, None),
    ("POL", "Poland", 0.50, [16], 0, None),
    ("SWE", "Sweden", 0.48, [16], 0, None),
    ("DEN", "Denmark", 0.50, [12], 0, None),
    ("NOR", "Norway", 0.45, [14], 0, None),
    ("ROU", "Romania", 0.45, [14], 0, None),
    ("HUN", "Hungary", 0.40, [12], 0, None),
    ("IRL", "Rep. of Ireland", 0.32, [10], 0, None),
    ("WAL", "Wales", 0.28, [12], 0, None),
    ("MEX", "Mexico", 0.65, [18, 14], 0, None),
    ("USA", "USA", 0.60, [18, 12], 10, None),
    ("CRC", "Costa Rica", 0.42, [12], 0, None),
    ("HON", "Honduras", 0.35, [10], 0, None),
    ("JAM", "Jamaica", 0.30, [10], 0, None),
    ("CAN", "Canada", 0.40, [10], 0, None),
    ("BRA", "Brazil", 0.95, [20, 18, 14], 0, None),
    ("ARG", "Argentina", 0.90, [20, 16], 10, None),
    ("URU", "Uruguay", 0.62, [14], 0, None),
    ("CHI", "Chile", 0.55, [14], 0, None),
    ("COL", "Colombia", 0.60, [16], 0, None),
    ("PAR", "Paraguay", 0.48, [12], 0, None),
    ("ECU", "Ecuador", 0.50, [12], 0, None),
    ("PER", "Peru", 0.45, [12], 0, None),
    ("NGA", "Nigeria", 0.48, [14], 0, None),
    ("CMR", "Cameroon", 0.42, [12], 0, None),
    ("EGY", "Egypt", 0.52, [16], 0, None),
    ("MAR", "Morocco", 0.55, [14], 0, None),
    ("SEN", "Senegal", 0.45, [12], 0, None),
    ("GHA", "Ghana", 0.42, [12], 0, None),
    ("ALG", "Algeria", 0.45, [14], 0, None),
    ("RSA", "South Africa", 0.50, [16], 0, None),
    ("JPN", "Japan", 0.60, [18, 14], 0, None),
    ("KOR", "Korea Republic", 0.55, [12], 0, None),
    ("AUS", "Australia", 0.50, [12], 0, None),
    ("CHN", "China", 0.48, [16], 0, None),
    ("KSA", "Saudi Arabia", 0.50, [14], 0, None),
    ("IRN", "Iran", 0.48, [14], 0, None),
    ("QAT", "Qatar", 0.40, [10], 0, None),
    ("UAE", "UAE", 0.38, [12], 0, None),
    ("NZL", "New Zealand", 0.32, [10], 0, None),
    ("FIJ", "Fiji", 0.20, [10], 0, None),
    ("TAH", "Tahiti", 0.16, [10], 0, None),
    ("SOL", "Solomon Islands", 0.16, [10], 0, None),
]

# Kit colours of clubs: shirt colours by how often they are worn, and
# second colours that read well on them.
SHIRT_COLOURS = [4, 4, 5, 5, 1, 2, 8, 9, 7, 15, 3, 6, 10, 16, 14, 20, 12, 13, 18, 11, 0, 21, 22, 17, 19]
CONTRAST = {1: [4, 5, 15, 2, 8, 16], 2: [1, 4, 20, 9], 9: [2, 5, 8, 15], 20: [2, 15, 14],
            0: [2, 15, 4], 21: [1, 2, 9], 22: [2, 14, 6], 19: [2, 15], 18: [2, 15, 1],
            11: [2, 1], 17: [1, 2, 9]}
NUMBERS_OF_STYLE = list(range(21))
STYLE_WEIGHTS = [30, 6, 8, 6, 2, 4, 4, 2, 3, 3, 2, 3, 3, 4, 3, 1, 3, 2, 2, 3, 6]
class Rng(random.Random):
    def weighted(self, pairs):
        total = sum(w for _, w in pairs)
        r = self.uniform(0, total)
        for value, w in pairs:
            r -= w
            if r <= 0:
                return value
        return pairs[-1][0]


def latin1_ok(text):
    try:
        text.encode("latin-1")
        return "#" not in text
    except UnicodeEncodeError:
        return False


def cut(text, width):
    return text[:width]


def capitalised(text):
    # A part ending in a blank ("van ", "El ") keeps its own case; the next part gets a capital.
    parts = text.split(" ")
    parts[-1] = parts[-1][:1].upper() + parts[-1][1:]
    parts[0] = parts[0][:1].upper() + parts[0][1:]
    return " ".join(parts)


def make_town(rng, culture, used):
    c = CULTURES[culture]
    for _ in range(300):
        town = capitalised(rng.choice(c["town_a"]) + rng.choice(c["town_b"]))
        if town not in used and 4 <= len(town) <= 13:
            used.add(town)
            return town
    raise RuntimeError("out of town names for " + culture)


def make_surname(rng, culture):
    c = CULTURES[culture]
    for _ in range(100):
        s = rng.choice(c["sur_a"]) + rng.choice(c["sur_b"])
        if s.endswith(" "):
            continue
        s = capitalised(s)
        if 2 <= len(s) <= 14:
            return s
    return rng.choice(c["sur_a"]).strip()[:14]


def make_person(rng, culture):
    c = CULTURES[culture]
    first = rng.choice(c["first"])
    sur = make_surname(rng, culture)
    if c.get("mononym") and rng.random() < c["mononym"]:
        return "", first
    return cut(first, 14), cut(sur, 14)


def make_club_name(rng, culture, town, used):
    c = CULTURES[culture]
    for _ in range(50):
        name = rng.choice(c["clubs"]).replace("{t}", town)
        if name not in used and len(name) <= 20:
            used.add(name)
            return name
    name = town
    used.add(name)
    return name


def make_stadium(rng, culture, town):
    c = CULTURES[culture]
    for _ in range(20):
        name = rng.choice(c["stadiums"]).replace("{t}", town)
        if len(name) <= 24:
            return name
    return town + " Stadium"


def skill_values(rng, role, level):
    prof = PROFILES[role]
    vals = []
    for off in prof:
        v = round(level + off + rng.gauss(0, 0.6))
        vals.append(max(0, min(7, v)))
    # Stars go to the standout skills of the best players.
    stars = 0
    if level >= 3.8:
        stars = rng.choice([0, 1, 1, 2, 2, 3]) if level >= 4.6 else rng.choice([0, 0, 0, 1])
    order = sorted(range(7), key=lambda i: (-vals[i], -prof[i]))
    starred = [False] * 7
    for i in order[:stars]:
        if vals[i] >= 5:
            starred[i] = True
    return vals, starred


class Player:
    def __init__(self, nr, name, surname, nat, role, hair, hc, sk, price, skills, stars):
        self.nr, self.name, self.surname, self.nat = nr, name, surname, nat
        self.role, self.hair, self.hc, self.sk = role, hair, hc, sk
        self.price, self.skills, self.stars = price, skills, stars


def make_player(rng, culture, nat, role, level, nr):
    c = CULTURES[culture]
    name, surname = make_person(rng, culture)
    sk = rng.weighted(c["skins"])
    hc = rng.weighted(c["hair"])
    if rng.random() < 0.04:
        hc = 5  # grey
    hair = rng.choice(HAIR_CODES)
    if role == G:
        price = max(0, min(49, round(7 * (level + 1.0 + rng.gauss(0, 0.5)))))
        return Player(nr, name, surname, nat, role, hair, hc, sk, price, [0] * 7, [False] * 7)
    vals, stars = skill_values(rng, role, level)
    return Player(nr, name, surname, nat, role, hair, hc, sk, sum(vals), vals, stars)


NATION_BY_CODE = {n[0]: n for n in NATIONS}


def foreign_pool(nat, conf):
    """Imports come mostly from strong football nations and the same confederation."""
    return [((n[0], n[3]), n[4] ** 2 * (3 if n[2] == conf else 1)) for n in NATIONS if n[0] != nat]


def make_squad(rng, culture, nat, level, tactic, size, foreign_share, home_conf):
    """Starting eleven in the order the tactic reads them, then the bench."""
    starters = [None] * 11
    for pos in range(11):
        col, row = BOARD_LAYOUT[tactic][pos]
        starters[PLAYER_ORDER[tactic][pos]] = board_role(col, row)
    bench = [G, D, RB, LB, M, M, RW, LW, A, A, D, M, A, D, M, RW, LW, A, D, M, G]
    roles = starters + bench[: size - 11]
    squad = []
    pool = foreign_pool(nat, home_conf) if foreign_share > 0 else []
    for i, role in enumerate(roles):
        # Starters are the better players; the reserves a little below them.
        player_level = level + rng.gauss(0, 0.45) - (0.0 if i < 11 else 0.6 + 0.03 * (i - 11))
        p_culture, p_nat = culture, nat
        if foreign_share > 0 and rng.random() < foreign_share:
            p_nat, p_culture = rng.weighted(pool)
        squad.append(make_player(rng, p_culture, p_nat, role, player_level, 0))
    for i, p in enumerate(squad[:11]):
        p.nr = i + 1
    free = list(range(12, 40))
    for p in squad[11:]:
        if p.role == G and 12 in free:
            p.nr = 12
            free.remove(12)
        else:
            p.nr = free.pop(0) if rng.random() < 0.7 else free.pop(rng.randrange(len(free)))
    return squad


def distinct(rng, options, avoid):
    choices = [c for c in options if c not in avoid]
    return rng.choice(choices)


def pick_style(rng):
    return rng.weighted(list(zip(NUMBERS_OF_STYLE, STYLE_WEIGHTS)))


def make_kits(rng, home_colours=None):
    if home_colours:
        primary, second = home_colours
    else:
        primary = rng.choice(SHIRT_COLOURS)
        second = rng.choice(CONTRAST.get(primary, [1, 1, 2]))
        if second == primary:
            second = 1 if primary != 1 else 2
    shorts = rng.choice([second, second, primary, 1, 2]) if primary != 1 else rng.choice([2, 15, 1])
    socks = rng.choice([primary, primary, second, shorts])
    kits = [(pick_style(rng), primary, second, shorts, socks)]
    away = distinct(rng, [1, 2, 9, 20, 5, 15, 4, 8, 7, 11, 3, 0, 13, 21], [primary, second])
    away2 = distinct(rng, [1, 2, 4, 5, 15, 14, 20, 6, 16], [away])
    kits.append((pick_style(rng), away, away2, rng.choice([away, away2]), rng.choice([away, away2])))
    third = distinct(rng, [3, 10, 12, 13, 17, 18, 19, 21, 22, 6, 16, 14, 9, 11], [primary, second, away])
    third2 = distinct(rng, [1, 2, 15, 0], [third])
    kits.append((rng.randrange(21), third, third2, rng.choice([third, third2]), third))
    for _ in range(rng.choice([0, 0, 1, 1, 2])):
        c1 = rng.randrange(23)
        c2 = distinct(rng, range(23), [c1])
        kits.append((rng.randrange(21), c1, c2, rng.choice([c1, c2, 1, 2]), rng.choice([c1, c2])))
    return kits


class Team:
    pass


# ------------------------------------------------------------------ file writer

KIT_LABELS = ["Home      ", "Away      ", "Third     ", "Change1   ", "Change2   "]
PLAYERS_HEADER = ("PLAYERS___Number__Name__________Surname_______Nat___Role__HType_HCol__Skin__Price"
                  "_PA__SH__HE__TA__BC__SP__FI")


def pad(text, width):
    text = text[:width]
    return text + " " * (width - len(text))


def team_block(team):
    """The lines the game's writer produces for a team, so saves reproduce files."""
    lines = ["#" + "-" * 9 + "%03d" % team.number + "-" * 38]
    lines += ["Country  :" + team.country, "Name     :" + team.name, "Tactics  :%d" % team.tactics,
              "Division :%d" % team.division, "CoachName:" + team.coach, "CoachType:0",
              "City     :" + team.city, "Stadium  :" + team.stadium, "StadiumID:0", "",
              "KITS______Type___First__Second_Shorts_Socks"]
    for k, label in enumerate(KIT_LABELS):
        line = label
        if k < len(team.kits):
            line += "".join(pad(str(v), 7) for v in team.kits[k])
        lines.append(line)
    lines += ["Goalie1   0      0      0      0      0", "Goalie2   0      0      0      0      0", "",
              PLAYERS_HEADER]
    for i, p in enumerate(team.players):
        line = "%02d:       " % (i + 1)
        line += pad(str(p.nr), 8) + pad(p.name, 14) + pad(p.surname, 14) + pad(p.nat, 6)
        line += pad(str(p.role), 6) + pad(str(p.hair), 6) + pad(str(p.hc), 6) + pad(str(p.sk), 6)
        line += pad(str(p.price), 6)
        for v, star in zip(p.skills, p.stars):
            line += str(v) + ("*" if star else " ") + "  "
        lines.append(line)
    lines += ["", "", ""]
    return lines


def write_team_file(path, title, teams, codes):
    lines = ["QUILBO ROVUDO TEAM FILE: " + title, ""]
    for t in teams:
        check_team(t, codes)
        lines += team_block(t)
    numbers = [t.number for t in teams]
    assert len(set(numbers)) == len(numbers) and all(1 <= n <= 999 for n in numbers), path
    data = "".join(line + "\r\n" for line in lines).encode("latin-1")
    with open(path, "wb") as f:
        f.write(data)
    return len(data)


def check_team(team, codes):
    assert 18 <= len(team.players) <= 26, team.name
    assert 3 <= len(team.kits) <= 5, team.name
    for kit in team.kits:
        assert 0 <= kit[0] <= 20 and all(0 <= c <= 22 for c in kit[1:]), team.name
    assert team.players[0].role == G, team.name
    assert sum(p.role == G for p in team.players) >= 2, team.name
    assert 0 <= team.tactics < 12
    for text in [team.name, team.coach, team.city, team.stadium]:
        assert text and latin1_ok(text), (team.name, text)
    assert len(team.name) <= 20, team.name
    for p in team.players:
        assert len(p.name) <= 14 and len(p.surname) <= 14 and latin1_ok(p.name + p.surname)
        assert codes is None or p.nat in codes, p.nat
        assert 1 <= p.nr <= 99 and 0 <= p.price <= 49 and 0 <= p.hc <= 8 and 0 <= p.sk <= 6
        assert all(0 <= v <= 7 for v in p.skills)
    assert len({p.nr for p in team.players}) == len(team.players), team.name


# ------------------------------------------------------------------ the data set

def national_level(strength):
    return 2.4 + 2.4 * strength


def club_level(strength, division, rank):
    return 2.2 + 2.4 * strength - 1.5 * rank - 1.0 * (division - 1)


def pick_tactic(rng):
    return rng.weighted(list(zip(range(12), TACTICS_WEIGHTS)))


def club_squad_size(rng, division):
    if division == 1:
        return rng.randint(20, 25)
    if division == 2:
        return rng.randint(19, 23)
    return rng.randint(18, 21)


def make_club(rng, country, culture, conf, strength, division, level, towns, names, number):
    t = Team()
    t.number, t.country, t.division = number, country, division
    town = make_town(rng, culture, towns)
    t.name = make_club_name(rng, culture, town, names)
    t.city = town
    t.stadium = make_stadium(rng, culture, town)
    first, sur = make_person(rng, culture)
    t.coach = (first + " " + sur).strip()
    t.tactics = pick_tactic(rng)
    foreign = 0.18 if strength >= 0.75 and division == 1 else 0.06 if division in (1, 2) else 0.02
    t.players = make_squad(rng, culture, country, level, t.tactics,
                           club_squad_size(rng, max(division, 3) if division == 0 else division),
                           foreign, conf)
    t.kits = make_kits(rng)
    return t


def build_club_file(entry):
    code, _, strength, divisions, no_league, culture = entry
    nation = NATION_BY_CODE[code]
    conf, culture = nation[2], culture or nation[3]
    rng = Rng("clubs-" + code)
    towns, names, teams = set(), set(), []
    number = 1
    for d, count in enumerate(divisions, start=1):
        for i in range(count):
            level = club_level(strength, d, i / max(1, count - 1))
            teams.append(make_club(rng, code, culture, conf, strength, d, level, towns, names, number))
            number += 1
    # Clubs outside the leagues sit a little below the lowest division.
    for i in range(no_league):
        level = club_level(strength, len(divisions) + 1, 0.3 + 0.7 * i / max(1, no_league - 1))
        teams.append(make_club(rng, code, culture, conf, strength, 0, level, towns, names, number))
        number += 1
    return teams


def build_national_file(conf_index):
    conf_code = CONFEDERATIONS[conf_index][0]
    rng = Rng("nationals-" + conf_code)
    teams = []
    members = [n for n in NATIONS if n[2] == conf_index]
    towns = set()
    for number, (code, nat_name, _, culture, strength, colours) in enumerate(members, start=1):
        t = Team()
        t.number, t.country, t.division = number, conf_code, 1
        t.name = nat_name
        t.city = make_town(rng, culture, towns)
        t.stadium = "National Stadium"
        first, sur = make_person(rng, culture)
        t.coach = (first + " " + sur).strip()
        t.tactics = pick_tactic(rng)
        t.players = make_squad(rng, culture, code, national_level(strength), t.tactics,
                               rng.randint(22, 25), 0.0, conf_index)
        t.kits = make_kits(rng, colours)
        teams.append(t)
    return teams


CUSTOM_TEAMS = [
    # number, name, culture, nationality, level, tactic
    (301, "Quilbo Stars", "english", "ENG", 5.6, 0),
    (305, "Rovudo Select", "latin", "ARG", 5.3, 5),
    (309, "Vantera Legends", "spanish", "ESP", 5.0, 4),
    (313, "Tactics XI", "english", "ENG", 4.0, 0),
    (317, "Halvburg Select", "german", "GER", 4.4, 2),
    (322, "Ostrana Amateurs", "italian", "ITA", 1.8, 0),
    (330, "Pacific Allstars", "pacific", "FIJ", 3.0, 7),
    (338, "Quilbo Rovudo XI", "brazilian", "BRA", 4.6, 0),
]


def build_custom_file():
    rng = Rng("custom")
    teams = []
    for number, name, culture, nat, level, tactic in CUSTOM_TEAMS:
        t = Team()
        t.number, t.country, t.division = number, "CUS", 1
        t.name = name
        t.city = "Quilbo"
        t.stadium = "Rovudo Park"
        first, sur = make_person(rng, culture)
        t.coach = (first + " " + sur).strip()
        t.tactics = tactic
        t.players = make_squad(rng, culture, nat, level, tactic, 22, 0.3, 0)
        t.kits = make_kits(rng)
        teams.append(t)
    return teams


def flag_codes():
    path = os.path.join(ROOT, "images", "flags_t.txt")
    if not os.path.exists(path):
        return None
    with open(path, "rb") as f:
        return {line.strip().decode("latin-1") for line in f if line.strip()}


# The country screen shows at most 51 buttons (three columns of 17); the
# catalogue holds at most 255 entries.
SECTION_LIMIT = 51
CATALOGUE_LIMIT = 255


def write_catalogue(entries):
    """UTF-16LE with a byte-order mark; sections 0..6 and a closing section line."""
    assert sum(len(e) for e in entries) <= CATALOGUE_LIMIT
    assert all(len(e) <= SECTION_LIMIT for e in entries)
    lines = []
    for section in range(7):
        title = CONFEDERATIONS[section][2] if section < 6 else "NATIONAL TEAMS"
        lines.append(">" + title)
        for code, name in entries[section]:
            assert len(name) <= 18, name
            lines.append(code + " " + pad(name, 18))
    lines.append(">END")
    text = "".join(line + "\r\n" for line in lines)
    data = b"\xff\xfe" + text.encode("utf-16-le")
    languages = ["en"]
    lang_dir = os.path.join(ROOT, "language")
    if os.path.isdir(lang_dir):
        languages += [f[:-3] for f in sorted(os.listdir(lang_dir)) if f.endswith(".po") and f != "en.po"]
    for lang in languages:
        with open(os.path.join(TABLES, lang + ".qsc"), "wb") as f:
            f.write(data)


def main():
    os.makedirs(TABLES, exist_ok=True)
    codes = flag_codes()
    assert codes is None or all(n[0] in codes for n in NATIONS)
    assert len({n[0] for n in NATIONS}) == len(NATIONS)
    entries = [[] for _ in range(7)]
    club_count = player_count = size = 0
    for entry in CLUB_COUNTRIES:
        code, name = entry[0], entry[1]
        assert all(10 <= n <= 20 for n in entry[3]) and 1 <= len(entry[3]) <= 4, code
        assert entry[4] == 0 or len(entry[3]) > 1, code  # a single-league file never shows division 0
        teams = build_club_file(entry)
        size += write_team_file(os.path.join(DATA, "team_%s.qst" % code.lower()), name, teams, codes)
        entries[NATION_BY_CODE[code][2]].append((code, name))
        club_count += len(teams)
        player_count += sum(len(t.players) for t in teams)
    national_count = 0
    for conf_index, (conf_code, ext, title) in enumerate(CONFEDERATIONS):
        teams = build_national_file(conf_index)
        assert len(teams) <= SECTION_LIMIT, conf_code
        size += write_team_file(os.path.join(DATA, "team_%s.qst" % ext), title + " nations", teams, codes)
        entries[6].append((conf_code, title + " NATIONS"))
        national_count += len(teams)
        player_count += sum(len(t.players) for t in teams)
    custom = build_custom_file()
    size += write_team_file(os.path.join(DATA, "team_cus.qst"), "custom teams", custom, codes)
    player_count += sum(len(t.players) for t in custom)
    write_catalogue(entries)
    print("teams: %d club files, %d clubs, %d national teams, %d custom teams, %d players, %d bytes"
          % (len(CLUB_COUNTRIES), club_count, national_count, len(custom), player_count, size))


if __name__ == "__main__":
    main()
