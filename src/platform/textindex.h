// A line edit counts UTF-16 units; the model counts characters as a person sees them (code
// points). Positions cross the boundary through these two conversions.
#pragma once

#include <QString>

namespace platform {

int utf16Index(const QString& text, int characters);
int characterIndex(const QString& text, int utf16);

}  // namespace platform
