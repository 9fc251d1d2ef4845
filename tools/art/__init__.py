"""Shared helpers for the procedural pixel-art generators (tools/gen_art_*.py)."""
