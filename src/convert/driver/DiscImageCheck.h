#pragma once

#include <QString>

// Empty when path holds a whole DVD image: an ISO 9660 volume no shorter than its own descriptor
// says (a cut image is shorter), whose DVD structure reads (in the isolated reader) with titles
// titles when that is above 0, and whose files hold everything its IFO files give. Otherwise why
// not.
QString discImageProblem(const QString &path, int titles);
