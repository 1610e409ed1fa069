#pragma once

#include <QString>

// The texts of the Info box, composed from the program's version.
namespace InfoBox {

// "1.00" for major 1 and minor 0: the minor number always shows two digits.
QString versionText(int major, int minor);
// The release line for revision 0, the beta line with the revision otherwise.
QString firstLine(int major, int minor, int revision);
// The whole message: the first line and the three notice lines, separated by the
// character 13.
QString message(int major, int minor, int revision);
QString title();

} // namespace InfoBox
