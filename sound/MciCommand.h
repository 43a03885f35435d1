#pragma once
// The text commands the program sends to its MIDI device, in the style of the media control
// interface: "open sequencer!<file> alias <name>", "play <name>", "status <name> <item>",
// "seek <name> to <ticks>" and "close <name>". The file name runs from the "!" to the last
// " alias ", unquoted, so a path with blanks in it works.

#include <QString>
#include <optional>

struct MciCommand {
    QString verb;   // open, play, status, seek or close, in lower case
    QString device; // open: the device type ("sequencer")
    QString file;   // open: the file to open
    QString alias;  // the name the device is addressed by
    QString item;   // status: length, position or mode; seek: the target
};

// nullopt for a command that is not one of the above.
std::optional<MciCommand> parseMciCommand(const QString& command);
