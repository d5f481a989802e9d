"""Drawing, sound synthesis and file writers behind make_resources.py."""
