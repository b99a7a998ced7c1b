// The help viewer's argument and where the help pages are.
//
// The program starts the viewer with "file:\windows\" and a page name ("file:\windows\hold.htp"),
// the form the pages were named by on the device. The viewer takes the name alone and looks for
// the page in the installed help folder: beside the viewer in the build tree (help/), else in the
// installation's data folder (bin/../share/orvane/help).
#pragma once

#include <QString>
#include <QStringList>

namespace orvane {

// The page name in an argument of the form "file:\windows\NAME" (the prefix in any case), or
// empty when the argument has another form or NAME is not a plain page name: letters, digits,
// '.', '_' and '-' only, not starting with '.', at most 64 characters. Nothing outside the help
// folder can be named.
QString helpPageName(const QString& argument);

// The page name a link in a page leads to: a page name alone ("hold.htp"), or the device's form
// of it ("file:\windows\hold.htp"); empty for anything else.
QString linkedPageName(const QString& link);

// The folders searched for help pages, in order: help/ beside the viewer, then the installation's
// help folder (bin/../share/orvane/help).
QStringList helpFolders();

// The file of a page name in the first help folder that has it, or empty.
QString findHelpPage(const QString& name);

}  // namespace orvane
