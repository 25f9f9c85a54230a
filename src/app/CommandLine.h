// The program's command line: "wendelmoor [options] [FILE.goto]". Parsed before the window exists,
// so that "--help", "--version" and the errors need no desktop.
//
// To add an option: declare it in CommandLine.cpp's options(), give StartRequest a field for it, and
// fill the field in requestFrom().
#pragma once

#include <QString>
#include <QStringList>

struct StartRequest {
    QString collection;  // absolute path of FILE; empty for the data folder's "links.goto"
    bool hidden = false; // --hidden: start in the notification area, the window not shown
    QString importFile;  // --import FILE: absolute path of a bookmark file to import
    QString exportFile;  // --export FILE: where to write the collection as an HTML bookmark file
};

struct CommandLineOutcome {
    bool start = false; // false: print and end with exitStatus
    int exitStatus = 0;
    QString output; // for standard output (--help, --version)
    QString error;  // for standard error
    StartRequest request;
};

// arguments as main gets them, the program name first.
CommandLineOutcome parseCommandLine(const QStringList& arguments, const QString& version);
