"""Generators of Corvastel's artwork, one module per family of pictures."""
