// Where the Qt host finds the program's pictures and the programs it starts.
//
// Pictures are looked for beside the running executable (the build tree copies them there), then
// in the installation's data folder (bin/../share/orvane). An installed program looks nowhere
// else: a folder named when it was built (its build tree) is nobody's on the machine it runs on,
// and anyone could make it there. Only the script driver, which runs from the build tree, adds
// the build tree's copy.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <string_view>

namespace orvane {

// The folders searched for data files, in order.
QStringList dataFolders();
// The program's own two: its folder, and the installation's data folder beside it.
QStringList dataFoldersFor(const QString& programFolder);
// A folder searched after those two.
void addDataFolder(const QString& folder);

// The file for a picture name the program gives ("Orvane_splash.bmp"; a folder in front of the
// name, as in "Windows\Orvane_splash.bmp", is ignored). Empty when there is none.
QString findPictureFile(std::string_view name);

// Reads a picture file in the format its name ends with (bmp, png), without asking every image
// plugin whether it knows the file: that would load them all at start-up. A bitmap file is read
// by the program's own reader (platform/bitmap_file.hpp) when it takes it. Other files are read
// as Qt finds best. Null when the file cannot be read.
QImage readPicture(const QString& path);

// The picture in a file as readPicture reads it, decoded again only when the file has changed
// (its size or time of change) since it was last asked for: a window painted again draws the
// same picture without reading the file again.
QImage cachedPicture(const QString& path);

// The picture file of a bitmap resource by its number ("130"), empty when unknown.
QString bitmapResourceFile(std::string_view number);

// A program by its bare name: beside the running executable first, then on PATH. Empty when it
// is in neither place or the name has a folder in it.
QString findProgram(const QString& name);

}  // namespace orvane
