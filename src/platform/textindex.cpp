#include "platform/textindex.h"

namespace platform {

int utf16Index(const QString& text, int characters) {
    int index = 0;
    for (int seen = 0; seen < characters && index < text.size(); ++seen) {
        const bool pair = text.at(index).isHighSurrogate() && index + 1 < text.size() &&
                          text.at(index + 1).isLowSurrogate();
        index += pair ? 2 : 1;
    }
    return index;
}

int characterIndex(const QString& text, int utf16) {
    int characters = 0;
    for (int index = 0; index < utf16 && index < text.size(); ++characters) {
        const bool pair = text.at(index).isHighSurrogate() && index + 1 < text.size() &&
                          text.at(index + 1).isLowSurrogate();
        index += pair ? 2 : 1;
    }
    return characters;
}

}  // namespace platform
