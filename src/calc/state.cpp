#include "calc/state.h"

namespace calc {

VariableRef findVariable(CalcState& state, std::string_view name) {
    VariableRef found;
    forEachVariable(state, [&](std::string_view field, VariableRef ref) {
        if (field == name) found = ref;
    });
    return found;
}

}  // namespace calc
