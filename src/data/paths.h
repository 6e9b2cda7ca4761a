// SPDX-License-Identifier: MIT
// Where the database and the help file lie.
//
// A folder that holds the program and its database together keeps working as
// it always has: the database lives next to the executable when that folder
// already holds one or can be written. An installed program (in /usr/bin, say)
// keeps it in the user's data folder instead. The program and zelpo-cli
// follow the same rule.
//
// The manual lies next to the executable too, or, for an installed program,
// in its data folder.
#pragma once

#include <QString>
#include <QStringView>

#include <functional>

namespace zelpo::app {

// The names of the program's files: the database, the manual's start page,
// and the folder beside it that holds the manual's other pages.
inline constexpr QStringView kDatabaseFileName = u"ナンバーズ.mdb";
inline constexpr QStringView kHelpFileName = u"ナンバーズ３＆４＆ミニロト.html";
inline constexpr QStringView kManualFolder = u"help";

// The directory part of an executable's full file name, ending with a separator.
QString basePath(const QString& executableFile);

// The database next to the executable, whether or not it is used.
QString databasePath(const QString& executableFile);
// The manual's start page: beside the executable, else in the data folder of
// an installed program (<prefix>/share/zelpo beside <prefix>/bin); when it is
// in neither, the path beside the executable.
QString helpPath(const QString& executableFile);

// Whether the running user may create files in a folder.
using FolderWritable = std::function<bool(const QString& folder)>;
bool isFolderWritable(const QString& folder);

// The database the program uses: next to the executable when that folder
// holds the file or is writable or there is no `userDataFolder`, else in
// `userDataFolder`.
QString databaseLocation(
    const QString& executableFile, const QString& userDataFolder, const FolderWritable& writable = isFolderWritable);

// The user's data folder of the program: QStandardPaths::AppDataLocation,
// e.g. ~/.local/share/zelpo (both executables call their application "zelpo").
// With neither XDG_DATA_HOME nor HOME set to a full path, the home comes
// from the password database; empty when that names none either.
QString userDataFolder();

// The same for the running program.
QString defaultDatabasePath();
QString defaultHelpPath();

} // namespace zelpo::app
