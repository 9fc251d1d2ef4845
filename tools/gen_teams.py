#!/usr/bin/python3
"""Generates the shipped team files, the custom teams and the team catalogue.

Clubs and players are invented: club names come from syllable-built town names
in each country's flavour, players from first-name lists and syllable-built
surnames. Countries and confederations are real. Output is deterministic.

Writes assets/data/team_<code>.qst, assets/data/team_cus.qst and
assets/data/tables/<lang>.qsc (one per language file, at least en).
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

CULTURES = {
    "english": dict(
        first=["Jack", "Harry", "Tom", "Liam", "Ben", "Sam", "Josh", "Ryan", "Dan", "Luke", "Adam",
               "Jamie", "Callum", "Owen", "Kyle", "Lewis", "Scott", "Mark", "Craig", "Alfie", "Ethan",
               "Max", "Joe", "Rob", "Reece", "Connor", "Billy", "Toby", "Nathan", "Declan"],
        sur_a=["Ash", "Brad", "Hal", "Mor", "Pen", "Tal", "Wick", "Brook", "Stan", "Whit", "Cart",
               "Fen", "Gold", "Hart", "Lang", "Marsh", "Rad", "Thorn", "Wex", "Crom"],
        sur_b=["ley", "ton", "well", "by", "wood", "field", "ridge", "more", "worth", "ham",
               "stone", "ford", "wick", "den", "cott", "er", "ings", "lock"],
        town_a=["Ash", "Brad", "Dun", "Hol", "Kings", "Mar", "Nor", "Stan", "Whit", "Wex", "Cal",
                "Ell", "Thorn", "Brom", "Cran", "Hather", "Lang", "Scar", "Tad", "Wen"],
        town_b=["ford", "bury", "ton", "ham", "field", "wick", "mouth", "ley", "worth", "chester",
                "by", "stead", "bridge", "pool", "dale", "combe"],
        clubs=["{t} United", "{t} City", "{t} Rovers", "{t} Athletic", "{t} Town", "{t} Wanderers",
               "{t} Albion", "{t} County", "{t} Rangers", "{t} Borough"],
        stadiums=["{t} Park", "{t} Road", "{t} Lane", "The {t} Ground", "{t} Meadow"],
        skins=[(2, 5), (0, 3), (6, 2), (1, 2), (5, 1), (4, 1)],
        hair=[(2, 4), (0, 3), (4, 2), (1, 1), (3, 1), (5, 1)],
    ),
    "spanish": dict(
        first=["Alejandro", "Carlos", "Diego", "Javier", "Pablo", "Sergio", "Andrés", "Iván",
               "Raúl", "Mario", "Hugo", "Álvaro", "Rubén", "Adrián", "Nacho", "Marcos", "Íker",
               "Dani", "Jorge", "Luis", "Óscar", "Tomás", "Gonzalo", "Santi", "Víctor", "Emilio",
               "Fermín", "Joaquín", "Lucas", "Matías"],
        sur_a=["Cas", "Var", "Mor", "Gar", "Sal", "Vil", "Ferr", "Ortu", "Bel", "Quin", "Rive",
               "Med", "Tor", "Esqu", "Lozo", "Zapa", "Arri", "Ceba", "Mend", "Pala"],
        sur_b=["ado", "era", "ino", "ales", "ano", "eño", "ero", "illo", "ona", "uela", "ares",
               "ante", "ez", "illa", "ón", "az", "oza"],
        town_a=["Val", "Mar", "Cas", "Vill", "Ter", "Al", "Sal", "Mon", "Gra", "Bel", "Van",
                "Ostr", "Peñ", "Riba", "Sor", "Tol", "Alc", "Lin", "Mor", "Tar"],
        town_b=["encia", "dena", "tilla", "era", "ona", "ana", "eda", "oso", "uela", "aro",
                "illa", "anca", "ares", "ejo", "ina"],
        clubs=["Real {t}", "Deportivo {t}", "Atlético {t}", "CD {t}", "UD {t}", "Racing {t}",
               "{t} CF", "SD {t}", "CF {t}", "Sporting {t}"],
        stadiums=["Estadio {t}", "Campo de {t}", "Estadio Nuevo {t}", "Municipal {t}"],
        skins=[(0, 4), (4, 4), (2, 2), (5, 2), (1, 1), (6, 1)],
        hair=[(0, 6), (2, 4), (1, 1), (5, 1)],
    ),
    "portuguese": dict(
        first=["João", "Tiago", "Rui", "Nuno", "André", "Bruno", "Diogo", "Pedro", "Rafael",
               "Gonçalo", "Fábio", "Hélder", "Vítor", "Sérgio", "Filipe", "Márcio", "Luís",
               "Caio", "Thiago", "Renan", "Vinícius", "Wesley", "Everton", "Leandro", "Júlio",
               "Rodrigo", "Danilo", "Igor", "Matheus", "Felipe"],
        sur_a=["Cor", "Mou", "Fig", "Bar", "Car", "Sil", "Tei", "Pin", "Gou", "Ara", "Mend",
               "Vas", "Quei", "Rebe", "Lob", "Fon", "Mac", "Azev", "Bran", "Cunh"],
        sur_b=["eira", "inho", "ão", "ães", "ado", "oso", "ar", "ança", "edo", "elo", "uga",
               "ela", "ino", "ato", "eiro", "ença"],
        town_a=["Ita", "Jabo", "Cara", "Para", "Guara", "Ipa", "Tamba", "Juru", "Mara", "Ara",
                "Vila", "Porta", "Bra", "Fam", "Alca", "Tor", "Pena", "Sal", "Cova", "Mira"],
        town_b=["tiba", "nema", "guá", "pava", "baú", "rema", "quara", "tinga", "lhão", "cena",
                "ndela", "nova", "fiel", "vedo", "lâes"],
        clubs=["{t} FC", "Esporte {t}", "Sport {t}", "Atlético {t}", "Grêmio {t}", "América {t}",
               "Sporting {t}", "União {t}", "Vitória {t}", "Académica {t}", "Clube {t}"],
        stadiums=["Estádio {t}", "Arena {t}", "Estádio Municipal", "Campo {t}"],
        skins=[(0, 3), (4, 3), (5, 3), (1, 3), (2, 1), (6, 1)],
        hair=[(0, 6), (2, 3), (1, 1), (5, 1)],
        mononym=0.25,
    ),
    "german": dict(
        first=["Lukas", "Jonas", "Felix", "Leon", "Tim", "Jan", "Nico", "Kevin", "Florian",
               "Stefan", "Tobias", "Matthias", "Niklas", "Julian", "Marco", "Sven", "Dennis",
               "Benedikt", "Moritz", "Paul", "Timo", "Jörg", "Maximilian", "Fabian", "Lars",
               "Dominik", "Uwe", "Kai", "Jens", "Till"],
        sur_a=["Hof", "Brand", "Stein", "Wald", "Kling", "Berg", "Roß", "Schmie", "Eich", "Kreu",
               "Lind", "Vogel", "Mühl", "Hart", "Baum", "Fried", "Schu", "Wein", "Zell", "Korn"],
        sur_b=["mann", "er", "berger", "ner", "inger", "hoff", "ke", "hardt", "bach", "lein",
               "feld", "hauser", "mayer", "ling", "ert"],
        town_a=["Halv", "Brem", "Lind", "Stein", "Ober", "Wald", "Rosen", "Eich", "Mark", "Schön",
                "Falk", "Kron", "Mittel", "Neu", "Alt", "Tann", "Wolfs", "Hirsch", "Sand", "Grün"],
        town_b=["burg", "heim", "dorf", "stadt", "hausen", "feld", "bach", "berg", "au", "tal",
                "hagen", "furt", "brück"],
        clubs=["FC {t}", "SV {t}", "VfB {t}", "TSV {t}", "Borussia {t}", "Eintracht {t}",
               "Fortuna {t}", "SpVgg {t}", "VfL {t}", "SC {t}", "Union {t}"],
        stadiums=["{t}er Stadion", "Waldstadion", "Sportpark {t}", "{t} Arena"],
        skins=[(2, 5), (0, 3), (6, 2), (1, 1), (4, 2)],
        hair=[(2, 4), (4, 3), (1, 2), (0, 2), (3, 1)],
    ),
    "italian": dict(
        first=["Marco", "Luca", "Andrea", "Matteo", "Alessandro", "Davide", "Simone", "Federico",
               "Lorenzo", "Giacomo", "Riccardo", "Stefano", "Nicolò", "Gianluca", "Fabio",
               "Paolo", "Daniele", "Tommaso", "Emanuele", "Pietro", "Filippo", "Enrico", "Mattia",
               "Claudio", "Ciro", "Salvatore", "Michele", "Edoardo", "Roberto", "Antonio"],
        sur_a=["Bel", "Cas", "Ross", "Fer", "Mar", "Gal", "Bor", "Colo", "Sant", "Vit", "Rug",
               "Ciam", "Lom", "Pell", "Garo", "Tor", "Ben", "Dell", "Manz", "Cor"],
        sur_b=["ini", "etti", "ello", "ucci", "ardi", "one", "azzi", "otti", "ano", "ieri",
               "acco", "ese", "oni", "ella", "ari"],
        town_a=["Cas", "Monte", "Vall", "San", "Ter", "Bor", "Lom", "Fer", "Ro", "Pia", "Ca",
                "Cive", "Sas", "Orvi", "Mel", "Tra", "Gal", "Vico", "Lac", "Spo"],
        town_b=["ella", "ano", "ino", "ona", "ezia", "ara", "etto", "aglia", "eto", "ara",
                "ola", "uzzo", "ento", "ora"],
        clubs=["AC {t}", "US {t}", "{t} Calcio", "Sporting {t}", "Unione {t}", "Atletico {t}",
               "AS {t}", "Virtus {t}", "Pro {t}", "Real {t}"],
        stadiums=["Stadio {t}", "Stadio Comunale", "Campo {t}", "Arena {t}"],
        skins=[(0, 4), (4, 3), (2, 3), (6, 1), (1, 1)],
        hair=[(0, 6), (2, 4), (1, 1), (5, 1)],
    ),
    "french": dict(
        first=["Antoine", "Hugo", "Théo", "Lucas", "Mathis", "Kylian", "Baptiste", "Julien",
               "Maxime", "Florian", "Yann", "Rémi", "Étienne", "Benoît", "Loïc", "Cédric",
               "Mathieu", "Adrien", "Clément", "Romain", "Nicolas", "Bastien", "Jérôme",
               "Gaël", "Aurélien", "Quentin", "Olivier", "Thibault", "Moussa", "Ibrahim"],
        sur_a=["Mar", "Bel", "Dub", "Lau", "Fon", "Gir", "Pel", "Ros", "Cham", "Lem", "Bou",
               "Dela", "Gau", "Mor", "Ver", "Tess", "Roux", "Mich", "Lefe", "Bar"],
        sur_b=["ier", "ot", "and", "ard", "ois", "elle", "eau", "in", "ault", "ier", "on",
               "et", "ac", "oux", "ère"],
        town_a=["Mont", "Beau", "Ville", "Cha", "Roch", "Lan", "Mar", "Bel", "Nor", "Val",
                "Saint", "Fon", "Aix", "Bour", "Cler", "Douv", "Lor", "Puy", "Sau", "Tour"],
        town_b=["ville", "mont", "court", "ac", "eux", "ignac", "elle", "bonne", "lieu", "ange",
                "oise", "mer", "val", "erre", "ier"],
        clubs=["Olympique {t}", "AS {t}", "Stade {t}", "FC {t}", "Racing {t}", "US {t}",
               "SC {t}", "En Avant {t}", "Union {t}", "AJ {t}"],
        stadiums=["Stade de {t}", "Stade Municipal", "Parc de {t}", "Stade du Lac"],
        skins=[(2, 4), (0, 3), (1, 3), (5, 2), (4, 2), (6, 1)],
        hair=[(0, 5), (2, 4), (4, 1), (1, 1)],
    ),
    "dutch": dict(
        first=["Daan", "Sem", "Lars", "Bram", "Jesse", "Thijs", "Ruud", "Joost", "Wout", "Stijn",
               "Niels", "Bas", "Jeroen", "Koen", "Pim", "Teun", "Milan", "Luuk", "Sven", "Ties",
               "Joris", "Maarten", "Floris", "Rick", "Dirk"],
        sur_a=["van ", "de ", "Bak", "Meul", "Hoek", "Dijk", "Kuij", "Vos", "Bos", "Ter", "Wij",
               "Groot", "Smeet", "Hen", "Kool"],
        sur_b=["stra", "man", "ker", "ens", "sma", "sen", "hoven", "dijk", "berg", "veld",
               "kamp", "hof", "meer"],
        town_a=["Zand", "Haar", "Eind", "Ven", "Dor", "Gro", "Alm", "Maas", "Wes", "Leeu",
                "Zwol", "Ame", "Del", "Hil", "Sne"],
        town_b=["voort", "dam", "hoven", "lo", "drecht", "ningen", "kerk", "sluis", "wijk",
                "horst", "veen", "brug"],
        clubs=["FC {t}", "SC {t}", "VV {t}", "Sparta {t}", "RKC {t}", "Go Ahead {t}", "{t} Boys",
               "Vitesse {t}", "SV {t}"],
        stadiums=["Sportpark {t}", "{t} Stadion", "De Kuip {t}", "Park {t}"],
        skins=[(2, 5), (0, 2), (1, 2), (5, 1)],
        hair=[(4, 3), (2, 4), (1, 2), (0, 2)],
    ),
    "scottish": dict(
        first=["Callum", "Ross", "Euan", "Fraser", "Craig", "Lewis", "Kyle", "Jamie", "Scott",
               "Gregor", "Alistair", "Hamish", "Ewan", "Murray", "Angus", "Stuart", "Blair",
               "Calum", "Rory", "Innes"],
        sur_a=["Mac", "Mc", "Fer", "Kin", "Dal", "Craw", "Bu", "Rob", "Mur", "Gil"],
        sur_b=["leod", "intyre", "gus", "naird", "ziel", "ford", "chanan", "ertson", "doch",
               "christ", "allister", "kenzie", "rae"],
        town_a=["Kil", "Dun", "Aber", "Inver", "Craig", "Glen", "Loch", "Bal", "Strath", "Kirk",
                "Auch", "Ard"],
        town_b=["marnock", "fermline", "lour", "ness", "ie", "brae", "more", "cairn", "ford",
                "haven", "gowrie", "ross"],
        clubs=["{t} FC", "{t} Thistle", "{t} Athletic", "{t} Rovers", "{t} United", "{t} Star",
               "{t} Albion", "Queen of {t}"],
        stadiums=["{t} Park", "Glen {t}", "{t} Road"],
        skins=[(2, 6), (0, 2), (6, 2), (1, 1)],
        hair=[(3, 3), (2, 4), (4, 2), (0, 2)],
    ),
    "slavic": dict(
        first=["Luka", "Ivan", "Marko", "Josip", "Filip", "Mateo", "Ante", "Nikola", "Dario",
               "Tomasz", "Piotr", "Kamil", "Jakub", "Milan", "Petr", "Ondrej", "Bogdan", "Dusan"],
        sur_a=["Kov", "Per", "Jur", "Mar", "Bab", "Vuk", "Nov", "Kral", "Dvor", "Lew", "Kam",
               "Grab", "Zel", "Mil"],
        sur_b=["ic", "ovic", "ak", "ski", "czyk", "ek", "enko", "ac", "ovac", "ar", "ík"],
        town_a=[], town_b=[], clubs=[], stadiums=[],
        skins=[(2, 6), (0, 3), (6, 1)],
        hair=[(2, 4), (0, 3), (4, 2), (1, 1)],
    ),
    "nordic": dict(
        first=["Erik", "Lars", "Magnus", "Oskar", "Anders", "Nils", "Johan", "Emil", "Henrik",
               "Viktor", "Mikkel", "Rasmus", "Søren", "Björn", "Jonas", "Kasper"],
        sur_a=["Lund", "Berg", "Dahl", "Holm", "Strand", "Sand", "Ny", "Lind", "Sjö", "Fors"],
        sur_b=["qvist", "gren", "ström", "berg", "sen", "man", "by", "gaard", "ö", "lund"],
        town_a=[], town_b=[], clubs=[], stadiums=[],
        skins=[(2, 7), (0, 2), (1, 1)],
        hair=[(4, 5), (1, 3), (2, 2), (3, 1)],
    ),
    "latin": dict(
        first=["José", "Juan", "Miguel", "Jesús", "Luis", "Héctor", "Rodrigo", "Edson", "Jonathan",
               "Brayan", "Kevin", "Erick", "Alexis", "Carlos", "Jairo", "Wilmer", "Fredy", "Cristian",
               "Yeison", "Andrés", "Jhon", "Esteban", "Nicolás", "Facundo", "Agustín", "Matías",
               "Franco", "Ezequiel", "Sebastián", "Maximiliano"],
        sur_a=["Her", "Gon", "Rod", "Ram", "Fern", "Cab", "Agu", "Mart", "Ben", "Quin", "Ort",
               "Vel", "Sua", "Cue", "Alv", "Mol", "Zur", "Arr", "Pal", "Esc"],
        sur_b=["ández", "ero", "ez", "iz", "ado", "illa", "era", "ino", "azo", "aza", "ón",
               "uera", "ana", "ito", "ales"],
        town_a=["Tlal", "Chapul", "Oax", "Zaca", "Quer", "Tol", "Mazat", "Cuer", "Pach", "Ira",
                "San", "Santa", "Villa", "Puerto", "Río", "Mira", "Cor", "Tuc", "Rafa", "Mer"],
        town_b=["tepec", "ala", "uca", "tlán", "aro", "dova", "cedes", "umán", "ela", "flores",
                "alta", "grande", "lores", "mar", "cán"],
        clubs=["Club {t}", "Atlético {t}", "Deportivo {t}", "Real {t}", "CD {t}", "Unión {t}",
               "Racing {t}", "Sportivo {t}", "Independiente {t}", "Estudiantes {t}", "Defensor {t}",
               "Gimnasia {t}", "Rangers {t}", "Deportes {t}"],
        stadiums=["Estadio {t}", "Estadio Municipal", "Cancha {t}", "Estadio Olímpico"],
        skins=[(0, 3), (4, 4), (5, 3), (1, 2), (2, 1), (6, 1)],
        hair=[(0, 7), (2, 3), (5, 1)],
    ),
    "west_african": dict(
        first=["Chidi", "Emeka", "Tunde", "Segun", "Kelechi", "Ahmed", "Samuel", "Victor",
               "Moussa", "Ibrahima", "Cheikh", "Mamadou", "Pape", "Lamine", "Aliou", "Joël",
               "Serge", "Kwame", "Kofi", "Yaw", "Sadio", "Idrissa", "Bakary", "Olumide",
               "Uche", "Obinna", "Didier", "Franck", "Patrice", "Stéphane"],
        sur_a=["Okon", "Ade", "Oba", "Eze", "Diall", "Ndia", "Sow", "Tou", "Kon", "Mbe", "Nkou",
               "Ess", "Asa", "Owu", "Mensa", "Bam", "Cam", "Sar", "Dra", "Kei"],
        sur_b=["kwe", "yemi", "funmi", "ke", "o", "ye", "ré", "até", "mba", "lu", "ou", "ah",
               "moah", "ara", "ngo", "eba", "dou"],
        town_a=["Aba", "Ilo", "Oyo", "Ogbo", "Enu", "Kad", "Abe", "Iba", "Osu", "Maku", "Ngao",
                "Kri", "Lim", "Mbal", "Dou", "Thi", "Kao", "Tamba", "Mbou", "Kol"],
        town_b=["kuta", "rin", "gun", "sho", "ma", "una", "ja", "di", "fang", "bé", "lack",
                "chor", "counda", "mayo", "mbo", "ro"],
        clubs=["{t} United", "{t} Rangers", "{t} Stars", "{t} Warriors", "{t} Pillars",
               "{t} Tornadoes", "AS {t}", "Union {t}", "Racing {t}", "Étoile {t}", "ASC {t}",
               "Renaissance {t}"],
        stadiums=["{t} Township Stadium", "Stade {t}", "{t} Stadium", "Stade Municipal"],
        skins=[(1, 8), (5, 3)],
        hair=[(0, 9), (5, 1)],
    ),
    "arabic": dict(
        first=["Mohamed", "Ahmed", "Omar", "Youssef", "Karim", "Hassan", "Ali", "Amr", "Tarek",
               "Mahmoud", "Hamza", "Achraf", "Hakim", "Nabil", "Yassine", "Salem", "Fahad",
               "Faisal", "Saud", "Khalid", "Nasser", "Majed", "Walid", "Adel", "Ayman", "Sami"],
        sur_a=["El ", "Al ", "Ben ", "Abdel", "Sha", "Has", "Rah", "Moust", "Man", "Za", "Qah",
               "Ham", "Dou", "Fat"],
        sur_b=["rawi", "ary", "souri", "man", "afa", "oud", "idi", "tani", "azi", "abi",
               "hani", "ouni", "ghari"],
        town_a=["Ism", "Mans", "Dam", "Suh", "Tan", "Faiy", "Min", "Asw", "Zaga", "Qen", "Safi",
                "Oujd", "Tet", "Berk", "Qas", "Tab", "Haf", "Jub", "Abh", "Naj"],
        town_b=["ailia", "oura", "anhour", "ag", "ta", "oum", "ya", "an", "zig", "a", "ane",
                "uan", "ouan", "im", "uk", "ran"],
        clubs=["Al {t}", "{t} SC", "Ittihad {t}", "Chabab {t}", "Olympique {t}", "Nahda {t}",
               "Ahly {t}", "Shabab {t}", "Najm {t}", "Raed {t}"],
        stadiums=["{t} Stadium", "Stade {t}", "Prince {t} Stadium", "{t} Sports City"],
        skins=[(4, 5), (5, 3), (0, 2), (1, 2)],
        hair=[(0, 9), (5, 1)],
    ),
    "japanese": dict(
        first=["Takumi", "Kenta", "Yuto", "Haruto", "Daiki", "Shota", "Riku", "Sota", "Kaito",
               "Ren", "Hiroki", "Yuki", "Kazuya", "Shinji", "Makoto", "Ryota", "Genki", "Tatsuya"],
        sur_a=["Naka", "Yama", "Taka", "Kawa", "Hashi", "Mori", "Fuji", "Ishi", "Matsu", "Ao",
               "Kita", "Sato", "Kuro", "Miya", "Haya"],
        sur_b=["mura", "moto", "shita", "da", "no", "uchi", "saki", "gawa", "zaki", "hara",
               "oka", "ta", "kawa"],
        town_a=["Kawa", "Naga", "Hama", "Taka", "Oka", "Kita", "Yama", "Mina", "Shizu", "Matsu",
                "Tsu", "Sendo", "Nara", "Uto"],
        town_b=["saki", "moto", "yama", "hara", "shima", "gawa", "oka", "zawa", "mi", "ta", "ichi"],
        clubs=["{t} FC", "FC {t}", "{t} United", "{t} Sparks", "{t} Blaze", "Sporting {t}",
               "{t} Hawks", "{t} Wings"],
        stadiums=["{t} Stadium", "{t} Sports Park", "{t} Dome"],
        skins=[(3, 6), (2, 3), (0, 1)],
        hair=[(0, 8), (2, 2), (5, 1)],
    ),
    "korean": dict(
        first=["Min-jun", "Ji-ho", "Seo-jun", "Hyun-woo", "Do-yun", "Jae-sung", "Sung-min",
               "Dong-hyun", "Tae-hee", "Young-ho", "Kyung-won", "Jin-su", "Woo-jin", "Sang-ho"],
        sur_a=["Kim", "Lee", "Park", "Choi", "Jung", "Kang", "Yoon", "Jang", "Lim", "Han",
               "Seo", "Shin", "Kwon", "Hwang"],
        sur_b=[""],
        town_a=["Gwang", "Cheong", "Dae", "Ul", "Su", "Gim", "Jeon", "An", "Chang", "Po",
                "Gang", "Mok", "Yeo"],
        town_b=["ju", "jin", "won", "san", "cheon", "hae", "yang", "seong", "nam", "po"],
        clubs=["{t} FC", "{t} United", "{t} Citizen", "{t} Dragons", "{t} Steel", "{t} Tigers",
               "{t} Phoenix"],
        stadiums=["{t} Stadium", "{t} World Cup Park", "{t} Sports Complex"],
        skins=[(3, 6), (2, 3), (0, 1)],
        hair=[(0, 9), (2, 1)],
    ),
    "chinese": dict(
        first=["Wei", "Hao", "Lei", "Jun", "Peng", "Tao", "Yang", "Bo", "Chen", "Long", "Xiang",
               "Jian", "Ming", "Kai", "Zhi", "Yu"],
        sur_a=["Wang", "Li", "Zhang", "Liu", "Chen", "Zhao", "Huang", "Zhou", "Wu", "Xu", "Sun",
               "Ma", "Hu", "Guo", "Gao", "Lin"],
        sur_b=[""],
        town_a=["Xin", "Jiang", "Chang", "Hua", "Nan", "Lan", "Zhen", "Gui", "Tian", "Wu", "Hai",
                "Qing"],
        town_b=["yang", "zhou", "ning", "sha", "chuan", "lin", "hai", "shan", "du", "an", "men"],
        clubs=["{t} FC", "{t} Dragons", "{t} Lions", "{t} Rising", "{t} Harbour", "{t} Eagles",
               "{t} Everbright"],
        stadiums=["{t} Olympic Centre", "{t} Stadium", "{t} People's Stadium"],
        skins=[(3, 7), (2, 2)],
        hair=[(0, 10)],
    ),
    "aussie": dict(
        first=["Mitch", "Jackson", "Riley", "Cooper", "Lachlan", "Brodie", "Tyson", "Zac",
               "Hayden", "Jarrod", "Bailey", "Kurtis", "Dylan", "Nathan", "Blake", "Aiden",
               "Tane", "Wiremu", "Ihaia", "Rawiri"],
        sur_a=["Ash", "Brad", "Cart", "Dun", "Ell", "Fitz", "Gray", "Hurl", "Kel", "McK",
               "Nor", "Whit", "Ra", "Tu", "Te"],
        sur_b=["ton", "ley", "ridge", "wood", "man", "ford", "ham", "son", "inga", "hoe",
               "wera", "ata"],
        town_a=["Wagga", "Coola", "Bunda", "Tarra", "Ballar", "Mildu", "Wollon", "Toowo", "Kara",
                "Yarra", "Tau", "Whan", "Roto", "Kai", "Pae", "Wai", "Tima", "Mana"],
        town_b=["berg", "ngatta", "bah", "gong", "ra", "ba", "wong", "mba", "ranga", "garei",
                "rua", "kohe", "roa", "kato", "tika"],
        clubs=["{t} FC", "{t} City", "{t} United", "{t} Rovers", "{t} Jets", "{t} Strikers",
               "{t} Athletic", "{t} Olympic", "{t} AFC"],
        stadiums=["{t} Oval", "{t} Park", "{t} Domain", "{t} Reserve"],
        skins=[(2, 5), (0, 3), (5, 1), (1, 1), (6, 1)],
        hair=[(2, 4), (4, 3), (0, 2), (1, 1)],
    ),
    "pacific": dict(
        first=["Roy", "Pita", "Tevita", "Sione", "Manu", "Iosefa", "Heimana", "Teva", "Raimana",
               "Jerry", "Samuela", "Josaia", "Ratu", "Tomasi", "Micah", "Benjamin", "Francis",
               "Henri", "Tamatea", "Moana"],
        sur_a=["Tui", "Nai", "Vaka", "Rai", "Tei", "Mata", "Vuni", "Koro", "Tava", "Hiti",
               "Puna", "Lavu", "Mau", "Tala"],
        sur_b=["vatu", "lagi", "rua", "tea", "moana", "nisi", "vou", "ra", "ula", "iti",
               "ivalu", "kula"],
        town_a=["Ba", "Lau", "Nadi", "Suv", "Rew", "Tav", "Lab", "Nau", "Pape", "Faa", "Tara",
                "Mahi", "Hon", "Auk", "Malu", "Kira", "Buala", "Noro"],
        town_b=["toka", "dra", "ua", "asa", "uki", "sori", "avu", "ete", "vao", "na", "iara",
                "ta", "kira", "ni"],
        clubs=["{t} FC", "AS {t}", "JS {t}", "{t} United", "{t} Blues", "Real {t}", "{t} Stars",
               "Excelsior {t}"],
        stadiums=["{t} Park", "Stade {t}", "{t} Ground"],
        skins=[(5, 5), (4, 3), (1, 2)],
        hair=[(0, 9), (2, 1)],
    ),
}

# ------------------------------------------------------------------- countries

# code, catalogue name, national name, confederation (0..5), culture, strength,
# division sizes (empty: national team only), home colours (shirt, second).
COUNTRIES = [
    ("ENG", "England", "England", 0, "english", 1.00, [16, 12], (1, 15)),
    ("ESP", "Spain", "Spain", 0, "spanish", 1.00, [16, 12], (4, 9)),
    ("GER", "Germany", "Germany", 0, "german", 0.95, [14, 10], (1, 2)),
    ("ITA", "Italy", "Italy", 0, "italian", 0.95, [16, 10], (12, 1)),
    ("FRA", "France", "France", 0, "french", 0.85, [14], (15, 1)),
    ("NED", "Netherlands", "Netherlands", 0, "dutch", 0.75, [12], (3, 1)),
    ("POR", "Portugal", "Portugal", 0, "portuguese", 0.75, [12], (16, 14)),
    ("SCO", "Scotland", "Scotland", 0, "scottish", 0.55, [10], (15, 1)),
    ("BEL", "", "Belgium", 0, "dutch", 0.80, [], (4, 2)),
    ("CRO", "", "Croatia", 0, "slavic", 0.78, [], (4, 1)),
    ("POL", "", "Poland", 0, "slavic", 0.60, [], (1, 4)),
    ("SWE", "", "Sweden", 0, "nordic", 0.60, [], (20, 5)),
    ("DEN", "", "Denmark", 0, "nordic", 0.62, [], (4, 1)),
    ("SUI", "", "Switzerland", 0, "german", 0.62, [], (4, 1)),
    ("MEX", "Mexico", "Mexico", 1, "latin", 0.65, [14], (14, 1)),
    ("USA", "USA", "USA", 1, "english", 0.60, [14], (1, 15)),
    ("CRC", "Costa Rica", "Costa Rica", 1, "latin", 0.45, [10], (4, 5)),
    ("HON", "Honduras", "Honduras", 1, "latin", 0.35, [8], (1, 5)),
    ("CAN", "", "Canada", 1, "english", 0.50, [], (4, 1)),
    ("JAM", "", "Jamaica", 1, "west_african", 0.40, [], (20, 8)),
    ("PAN", "", "Panama", 1, "latin", 0.38, [], (4, 1)),
    ("BRA", "Brazil", "Brazil", 2, "portuguese", 0.95, [16, 12], (9, 8)),
    ("ARG", "Argentina", "Argentina", 2, "latin", 0.90, [16, 10], (7, 1)),
    ("URU", "Uruguay", "Uruguay", 2, "latin", 0.65, [10], (7, 1)),
    ("CHI", "Chile", "Chile", 2, "latin", 0.55, [10], (4, 15)),
    ("COL", "Colombia", "Colombia", 2, "latin", 0.60, [12], (9, 15)),
    ("PAR", "", "Paraguay", 2, "latin", 0.48, [], (4, 1)),
    ("ECU", "", "Ecuador", 2, "latin", 0.50, [], (9, 5)),
    ("PER", "", "Peru", 2, "latin", 0.45, [], (1, 4)),
    ("VEN", "", "Venezuela", 2, "latin", 0.38, [], (16, 1)),
    ("NGA", "Nigeria", "Nigeria", 3, "west_african", 0.50, [12], (8, 1)),
    ("CMR", "Cameroon", "Cameroon", 3, "west_african", 0.45, [10], (8, 4)),
    ("EGY", "Egypt", "Egypt", 3, "arabic", 0.50, [12], (4, 1)),
    ("MAR", "Morocco", "Morocco", 3, "arabic", 0.55, [10], (4, 14)),
    ("SEN", "Senegal", "Senegal", 3, "west_african", 0.55, [8], (1, 8)),
    ("GHA", "", "Ghana", 3, "west_african", 0.48, [], (1, 2)),
    ("CIV", "", "Ivory Coast", 3, "west_african", 0.52, [], (3, 1)),
    ("ALG", "", "Algeria", 3, "arabic", 0.48, [], (1, 8)),
    ("TUN", "", "Tunisia", 3, "arabic", 0.42, [], (4, 1)),
    ("JPN", "Japan", "Japan", 4, "japanese", 0.60, [14, 10], (15, 1)),
    ("KOR", "Korea Republic", "Korea Republic", 4, "korean", 0.55, [12], (4, 2)),
    ("AUS", "Australia", "Australia", 4, "aussie", 0.50, [10], (20, 14)),
    ("CHN", "China", "China", 4, "chinese", 0.45, [12], (4, 9)),
    ("KSA", "Saudi Arabia", "Saudi Arabia", 4, "arabic", 0.45, [10], (1, 14)),
    ("IRN", "", "Iran", 4, "arabic", 0.50, [], (1, 8)),
    ("QAT", "", "Qatar", 4, "arabic", 0.38, [], (6, 1)),
    ("UAE", "", "UAE", 4, "arabic", 0.35, [], (1, 4)),
    ("NZL", "New Zealand", "New Zealand", 5, "aussie", 0.35, [10], (1, 2)),
    ("FIJ", "Fiji", "Fiji", 5, "pacific", 0.20, [8], (1, 7)),
    ("TAH", "Tahiti", "Tahiti", 5, "pacific", 0.15, [8], (4, 1)),
    ("SOL", "Solomon Islands", "Solomon Islands", 5, "pacific", 0.15, [8], (5, 9)),
    ("PNG", "", "Papua New Guinea", 5, "pacific", 0.12, [], (4, 2)),
    ("VAN", "", "Vanuatu", 5, "pacific", 0.10, [], (20, 2)),
    ("NCL", "", "New Caledonia", 5, "pacific", 0.14, [], (5, 4)),
]

CONFEDERATIONS = [("UEF", "uef", "UEFA"), ("CNC", "cnc", "CONCACAF"), ("CNM", "cnm", "CONMEBOL"),
                  ("CAF", "caf", "CAF"), ("AFC", "afc", "AFC"), ("OFC", "ofc", "OFC")]

# Kit colours: numbers of the game's kit colour table.
SHIRT_COLOURS = [4, 4, 5, 5, 1, 2, 8, 9, 7, 15, 3, 6, 10, 16, 14, 20, 12]
CONTRAST = {1: [4, 5, 15, 2, 8, 16], 2: [1, 4, 20, 9], 9: [2, 5, 8, 15], 20: [2, 15, 14]}
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


def make_town(rng, culture, used):
    c = CULTURES[culture]
    for _ in range(200):
        town = rng.choice(c["town_a"]) + rng.choice(c["town_b"])
        town = town[0].upper() + town[1:]
        if town not in used and 4 <= len(town) <= 12:
            used.add(town)
            return town
    raise RuntimeError("out of town names for " + culture)


def make_surname(rng, culture):
    c = CULTURES[culture]
    for _ in range(100):
        s = rng.choice(c["sur_a"]) + rng.choice(c["sur_b"])
        if s.endswith(" "):
            continue
        # "van " / "El " prefixes keep their capital on the next part.
        parts = s.split(" ")
        parts[-1] = parts[-1][0].upper() + parts[-1][1:]
        s = " ".join(parts)
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
    return rng.choice(c["stadiums"]).replace("{t}", town)


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


def foreign_pool(nat, conf):
    """Imports come mostly from strong football countries and the same confederation."""
    return [((c[0], c[4]), c[5] ** 2 * (3 if c[3] == conf else 1)) for c in COUNTRIES if c[0] != nat]


def make_squad(rng, culture, nat, level, tactic, size, foreign_share, home_conf):
    """Starting eleven in the order the tactic reads them, then the bench."""
    starters = [None] * 11
    for pos in range(11):
        col, row = BOARD_LAYOUT[tactic][pos]
        starters[PLAYER_ORDER[tactic][pos]] = board_role(col, row)
    bench = [G, D, RB, LB, M, M, RW, LW, A, A, D, M, A, D, M, RW, LW, A, D, M, G]
    roles = starters + bench[: size - 11]
    squad = []
    for i, role in enumerate(roles):
        # Starters are the better players; the reserves a little below them.
        player_level = level + rng.gauss(0, 0.45) - (0.0 if i < 11 else 0.6 + 0.03 * (i - 11))
        p_culture, p_nat = culture, nat
        if foreign_share > 0 and rng.random() < foreign_share:
            p_nat, p_culture = rng.weighted(foreign_pool(nat, home_conf))
        squad.append(make_player(rng, p_culture, p_nat, role, player_level, 0))
    numbers = list(range(1, 12))
    for i, p in enumerate(squad):
        if i < 11:
            p.nr = numbers[i]
    free = [n for n in range(12, 40)]
    for p in squad[11:]:
        if p.role == G and 12 not in [q.nr for q in squad]:
            p.nr = 12
            free.remove(12)
        else:
            p.nr = free.pop(0) if rng.random() < 0.7 else free.pop(rng.randrange(len(free)))
    return squad


def distinct(rng, options, avoid):
    choices = [c for c in options if c not in avoid]
    return rng.choice(choices)


def make_kits(rng, home_colours=None):
    if home_colours:
        primary, second = home_colours
    else:
        primary = rng.choice(SHIRT_COLOURS)
        second = rng.choice(CONTRAST.get(primary, [1, 1, 2]))
        if second == primary:
            second = 1 if primary != 1 else 2
    style = rng.weighted(list(zip(NUMBERS_OF_STYLE, STYLE_WEIGHTS)))
    shorts = rng.choice([second, second, primary, 1, 2]) if primary != 1 else rng.choice([2, 15, 1])
    socks = rng.choice([primary, primary, second, shorts])
    kits = [(style, primary, second, shorts, socks)]
    away = distinct(rng, [1, 2, 9, 20, 5, 15, 4, 8, 7, 11, 3, 0], [primary, second])
    away2 = distinct(rng, [1, 2, 4, 5, 15, 14, 20], [away])
    kits.append((rng.weighted(list(zip(NUMBERS_OF_STYLE, STYLE_WEIGHTS))), away, away2,
                 rng.choice([away, away2]), rng.choice([away, away2])))
    third = distinct(rng, [3, 10, 12, 13, 17, 18, 19, 21, 22, 6, 16, 14, 9], [primary, second, away])
    third2 = distinct(rng, [1, 2, 15], [third])
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
    data = "".join(line + "\r\n" for line in lines).encode("latin-1")
    with open(path, "wb") as f:
        f.write(data)


def check_team(team, codes):
    assert 16 <= len(team.players) <= 32, team.name
    assert 3 <= len(team.kits) <= 5, team.name
    assert team.players[0].role == G, team.name
    assert any(p.role == G for p in team.players[11:]), team.name
    for text in [team.name, team.coach, team.city, team.stadium]:
        assert latin1_ok(text), text
    for p in team.players:
        assert len(p.name) <= 14 and len(p.surname) <= 14 and latin1_ok(p.name + p.surname)
        assert codes is None or p.nat in codes, p.nat
    assert len({p.nr for p in team.players}) == len(team.players), team.name


# ------------------------------------------------------------------ the data set

def national_level(strength):
    return 2.4 + 2.4 * strength


def club_level(strength, division, rank):
    return 2.2 + 2.4 * strength - 1.5 * rank - 1.0 * (division - 1)


def pick_tactic(rng):
    return rng.weighted(list(zip(range(12), TACTICS_WEIGHTS)))


def build_club_file(country):
    code, _, _, conf, culture, strength, divisions, _ = country
    rng = Rng("clubs-" + code)
    towns, names, teams = set(), set(), []
    number = 1
    for d, count in enumerate(divisions, start=1):
        for i in range(count):
            t = Team()
            t.number, t.country, t.division = number, code, d
            number += 1
            town = make_town(rng, culture, towns)
            t.name = make_club_name(rng, culture, town, names)
            t.city = town
            t.stadium = make_stadium(rng, culture, town)
            first, sur = make_person(rng, culture)
            t.coach = (first + " " + sur).strip()
            t.tactics = pick_tactic(rng)
            rank = i / max(1, count - 1)
            level = club_level(strength, d, rank)
            size = rng.randint(18, 25) if d == 1 else rng.randint(16, 22)
            foreign = 0.18 if strength >= 0.75 and d == 1 else 0.06
            t.players = make_squad(rng, culture, code, level, t.tactics, size, foreign, conf)
            t.kits = make_kits(rng)
            teams.append(t)
    return teams


def build_national_file(conf_index):
    conf_code = CONFEDERATIONS[conf_index][0]
    rng = Rng("nationals-" + conf_code)
    teams = []
    members = [c for c in COUNTRIES if c[3] == conf_index]
    for number, (code, _, nat_name, _, culture, strength, _, colours) in enumerate(members, start=1):
        t = Team()
        t.number, t.country, t.division = number, conf_code, 1
        t.name = nat_name
        t.city = ""
        t.stadium = "National Stadium"
        first, sur = make_person(rng, culture)
        t.coach = (first + " " + sur).strip()
        t.tactics = pick_tactic(rng)
        t.players = make_squad(rng, culture, code, national_level(strength), t.tactics,
                               rng.randint(20, 23), 0.0, conf_index)
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
    (338, "Quilbo Rovudo XI", "portuguese", "BRA", 4.6, 0),
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


def write_catalogue(entries):
    """UTF-16LE with a byte-order mark; sections 0..6 and a closing section line."""
    lines = []
    for section in range(7):
        title = CONFEDERATIONS[section][2] if section < 6 else "NATIONAL TEAMS"
        lines.append(">" + title)
        for code, name in entries[section]:
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
    entries = [[] for _ in range(7)]
    club_count = player_count = 0
    for country in COUNTRIES:
        if not country[6]:
            continue
        teams = build_club_file(country)
        write_team_file(os.path.join(DATA, "team_%s.qst" % country[0].lower()), country[1], teams, codes)
        entries[country[3]].append((country[0], country[1]))
        club_count += len(teams)
        player_count += sum(len(t.players) for t in teams)
    national_count = 0
    for conf_index, (conf_code, ext, title) in enumerate(CONFEDERATIONS):
        teams = build_national_file(conf_index)
        write_team_file(os.path.join(DATA, "team_%s.qst" % ext), title + " nations", teams, codes)
        entries[6].append((conf_code, title + " NATIONS"))
        national_count += len(teams)
        player_count += sum(len(t.players) for t in teams)
    custom = build_custom_file()
    write_team_file(os.path.join(DATA, "team_cus.qst"), "custom teams", custom, codes)
    player_count += sum(len(t.players) for t in custom)
    write_catalogue(entries)
    print("teams: %d clubs, %d national teams, %d custom teams, %d players"
          % (club_count, national_count, len(custom), player_count))


if __name__ == "__main__":
    main()
