#include "Help.h"

#include "Console.h"

namespace {

constexpr std::string_view kToolHelp = R"(Usage: qdrpack COMMAND [ARGUMENTS]

Makes, lists, extracts, checks and installs Quadrillo picture packs (.qdr
files).

Commands:
  create   make a pack from image files
  list     show the pictures in packs, or every pack the game plays
  extract  write one picture of a pack to a BMP file
  check    test packs against the pack format's limits
  install  check packs and copy them into your own pack folder
  help     show this text, or a command's: qdrpack help COMMAND

Every command also takes -h or --help.
Exit status: 0 on success, 1 for refused input or failed checks, 2 for wrong usage.
)";

constexpr std::string_view kCreateHelp =
    R"(Usage: qdrpack create OUT.qdr --category CATEGORY [--title TITLE]... [--keep] [--force] IMAGE...

Makes the pack OUT.qdr from the images, in the order given. An image may be of
any format and size Qt reads; it is stored as a 600 x 375 24-bit BMP.

  --category CATEGORY  0 to 4, or cartoons, misc, movies, music, tv
  --title TITLE        a picture's title; give one per image, in order, or none
                       to use the images' file names without their extension
  --keep               store BMP files byte for byte instead (other sizes are
                       stretched when played)
  --force              replace OUT.qdr when it is there already
  -h, --help           show this text

A title has at most 49 characters, all Windows-1252 (Western European)
characters; a pack holds at most 127 pictures.

Example: qdrpack create holiday.qdr --category misc ~/Pictures/holiday/*.jpg
)";

constexpr std::string_view kListHelp = R"(Usage: qdrpack list [PACK...]

Shows each pack's category and picture count, then each picture's number,
title and data length in bytes. Problems met are shown on stderr; those the
game plays through all the same are marked "warning". The exit status is 0
when the game can play every pack, warnings or not.

Without a PACK, lists every pack the game plays, category by category: its
number within the category (the number the game's settings keep as the
chosen pack), file name, picture count and where it is. The game reads packs
from its own directory, then from $XDG_DATA_HOME/Quadrillo/packs (by
default ~/.local/share/Quadrillo/packs), then from Quadrillo/packs in each
folder of $XDG_DATA_DIRS (by default /usr/local/share and /usr/share). Of
files of the same name, only the one found first is played; the others are
listed as not played. Packs the game cannot read are shown on stderr, and
the exit status is 1 then.

  -h, --help  show this text
)";

constexpr std::string_view kExtractHelp = R"(Usage: qdrpack extract PACK NUMBER [-o FILE] [--force]

Writes picture NUMBER (from 1) of PACK, a BMP file, byte for byte to FILE.

  -o, --output FILE  where to write it; without it, the picture's title with
                     ".bmp" appended, in the current directory ('/' becomes
                     '_'; an empty title, "." or ".." gives picture-NUMBER.bmp)
  --force            replace FILE when it is there already
  -h, --help         show this text
)";

// A delimiter, as the text itself holds ")\"".
constexpr std::string_view kCheckHelp = R"help(Usage: qdrpack check PACK...

Tests every field of each pack against the format's limits and decodes every
picture. Prints one line "PACK: problem" on stderr per problem, and
"PACK: ok (N pictures)" for a pack the game plays.

Warnings ("PACK: warning: ...") are what the game plays through all the same:
a title longer than 49 bytes or with a byte no title should hold (a tab, a
control character), and bytes after the last picture. Everything else makes
the game refuse the pack or misread a picture: a first byte other than "X",
a category outside 0 to 4, a count or title length of 128 or more, a data
length of 2^31 or more, data or a header cut short, a picture that does not
decode. The exit status is 0 only when the game can play every pack.

  -h, --help  show this text
)help";

constexpr std::string_view kInstallHelp = R"(Usage: qdrpack install PACK...

Checks each pack as "qdrpack check" does and copies it into your own pack
folder, $XDG_DATA_HOME/Quadrillo/packs (by default
~/.local/share/Quadrillo/packs), made when missing, under its own file name.
A pack already there under that name is replaced. Prints one line per pack
installed.

A pack with errors is not installed; one with warnings only is. A file whose
name does not end in ".qdr" is refused, and so is a pack named like one in
the game's own directory, which the game would play instead: give it
another name.

The exit status is 0 when every pack was installed.

  -h, --help  show this text
)";

} // namespace

std::string_view HelpText(std::string_view command) {
    if (command.empty())
        return kToolHelp;
    if (command == "create")
        return kCreateHelp;
    if (command == "list")
        return kListHelp;
    if (command == "extract")
        return kExtractHelp;
    if (command == "check")
        return kCheckHelp;
    if (command == "install")
        return kInstallHelp;
    return {};
}

bool PrintHelpIfAsked(std::string_view command, bool asked) {
    if (asked)
        PrintOut(HelpText(command));
    return asked;
}
