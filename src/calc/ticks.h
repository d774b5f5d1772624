// The two recalculation ticks. Every 100 ms the running timer derives one quantity of
// P = U x I x PF (x 1.7320508 for three phase) from the others and writes it into its field;
// that write runs the field's change handler, which reads the shown text back, so the derived
// quantity circulates at the precision it is shown with. Then the transformer secondary side
// and the short-circuit estimate are refreshed.
#pragma once

#include "calc/state.h"
#include "controls/control.h"
#include "controls/desktop.h"
#include "controls/textbox.h"
#include "controls/window.h"

namespace calc {

// The controls the ticks read and write: an abstract view of the main window.
struct TickView {
    controls::Window& form;
    controls::TextBox& V;
    controls::TextBox& A;
    controls::TextBox& W;
    controls::TextBox& Factor;
    controls::SpinButton& PFS;
    controls::Label& Wzor;
    controls::Label& A2;
    controls::Label& A2M;
    controls::Label& Fault;
    controls::Label& Label6;
    controls::OptionButton& SPh;
    controls::OptionButton& TPh;
    controls::Timer& Timer1;
    controls::Timer& Timer2;
    controls::Desktop& desktop;
};

// Widths above this many twips are the transformer window.
inline constexpr int kTransformerWidth = 6500;

void powerTick(CalcState& state, TickView& view);    // Timer1: P from U, I and PF
void currentTick(CalcState& state, TickView& view);  // Timer2: I from P, U and PF

}  // namespace calc
