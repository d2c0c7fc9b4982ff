#pragma once

// hvz export --format gpl|ase|css|json BOOK [-o FILE] and
// hvz import PALETTE.gpl -o BOOK.hvz [--force]; each returns the exit status.
int exportBook(int argc, char** argv);
// hvz show BOOK --format css|json|gpl: what export writes, to standard output.
int showBookAs(int argc, char** argv);
int importPalette(int argc, char** argv);
