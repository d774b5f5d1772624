// The main window: its controls, the calculator state record and the event handlers.
//
// Input passes the event gate and the key preview (Form_KeyPress) to the handler of its control
// and event. Entry handlers take texts into the state and choose the mode: Timer1 derives the
// power, Timer2 the current. Each 100 ms tick writes the derived quantity into its field, whose
// change handler reads the shown text back: each quantity circulates at its shown precision.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "calc/formulas.h"
#include "calc/state.h"
#include "controls/control.h"
#include "controls/desktop.h"
#include "controls/eventgate.h"
#include "controls/textbox.h"
#include "controls/window.h"

class AboutForm;

class MainForm {
  public:
    MainForm(controls::Desktop& desktop, controls::EventGate& gate);
    ~MainForm();
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    AboutForm* about() const;  // while it is open, else null
    // "MainForm", or "AboutForm" while it is open.
    controls::Window* window(std::string_view name);

    void Form_Load();
    void show();

    // The modes: the running timer is the derived quantity, the width the transformer mode.
    void derive(calc::Quantity quantity);
    bool transformerMode() const { return calc::transformerMode(Form.width()); }
    calc::Phase phase() const;

    controls::Desktop& desktop;
    calc::CalcState state;

    // In the order of inventory.cpp.
    controls::Window Form;
    controls::Frame Frame3D1;
    controls::OptionButton TPh;
    controls::OptionButton SPh;
    controls::TextBox V;
    controls::SpinButton VS;
    controls::Label Label1;
    controls::Frame FramePrX;
    controls::CommandButton Command1;
    controls::Label A1;
    controls::Label Label8;
    controls::Frame Frame3D2;
    controls::TextBox A;
    controls::SpinButton AS;
    controls::Label Label3;
    controls::Frame Frame3D4;
    controls::TextBox Factor;
    controls::SpinButton PFS;
    controls::Frame Frame3D3;
    controls::TextBox W;
    controls::SpinButton PS;
    controls::Label VA;
    controls::Frame Frame3D5;
    controls::Label Wzor;
    controls::CommandButton Trbutton;
    controls::CommandButton Command3D2;
    controls::CommandButton Command3D1;
    controls::Timer Timer1;
    controls::Timer Timer2;
    controls::Frame Frame3D6;
    controls::TextBox V2;
    controls::SpinButton V2S;
    controls::Label Label2;
    controls::Frame Frame3D7;
    controls::Label A2;
    controls::Label Label4;
    controls::Frame Frame3D8;
    controls::CommandButton CommandSC;
    controls::Label A2M;
    controls::Label Label7;
    controls::Frame ImpedFrame;
    controls::TextBox Imped;
    controls::SpinButton ImpSpin;
    controls::Label Label11;
    controls::Frame SSFrame2;
    controls::Label Fault;
    controls::Label Label10;
    controls::Label Label5;
    controls::Label Label6;

    // mainform.cpp, ticks.cpp
    void Form_KeyPress(std::int16_t& KeyAscii);
    void Command3D1_Click();
    void Command3D2_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    // entryfields.cpp, powerfield.cpp
    void V_Change();
    void V_GotFocus();
    void V_KeyDown(std::int16_t& KeyCode, std::int16_t Shift);
    void V_LostFocus();
    void A_Change();
    void A_GotFocus();
    void A_KeyDown(std::int16_t& KeyCode, std::int16_t Shift);
    void W_Change();
    void W_GotFocus();
    void W_KeyDown(std::int16_t& KeyCode, std::int16_t Shift);
    void W_LostFocus();

    // powerfactor.cpp
    void Factor_Change();
    void Factor_GotFocus();
    void Factor_KeyDown(std::int16_t& KeyCode, std::int16_t Shift);
    void PFS_SpinDown();
    void PFS_SpinUp();

    // phase.cpp
    void SPh_Click();
    void TPh_Click();

    // voltagespin.cpp, currentspin.cpp, powerspin.cpp
    void VS_SpinDown();
    void VS_SpinUp();
    void AS_SpinDown();
    void AS_SpinUp();
    void PS_SpinDown();
    void PS_SpinUp();

    // transformer.cpp, impedance.cpp
    void Trbutton_Click();
    void V2_Change();
    void V2_GotFocus();
    void V2_KeyDown(std::int16_t& KeyCode, std::int16_t Shift);
    void V2S_SpinDown();
    void V2S_SpinUp();
    void Imped_Change();
    void Imped_GotFocus();
    void Imped_KeyDown(std::int16_t& KeyCode, std::int16_t Shift);
    void Imped_LostFocus();
    void ImpSpin_SpinDown();
    void ImpSpin_SpinUp();

    // percent.cpp
    void Command1_Click();
    void CommandSC_Click();

    // hints.cpp
    void Command1_MouseMove();
    void CommandSC_MouseMove();
    void Form_MouseMove();
    void Frame3D4_MouseMove();
    void Frame3D6_MouseMove();
    void ImpedFrame_MouseMove();
    void SSFrame2_MouseMove();

  private:
    void wireEvents();
    // Down and Up step a field's spin button.
    void arrowKeys(std::int16_t KeyCode, void (MainForm::*down)(), void (MainForm::*up)());
    void applyLayout();
    void centre();  // on the screen, at the present size
    // With the application's title unless the caller names one.
    void msgBox(std::string_view text, controls::MessageStyle style, std::string_view title = {});

    // The note an area's pointer-move handler would write now, "" for none (hints.cpp).
    std::string hintOf(const controls::Control& area) const;
    void showHint(const controls::Control& area);
    // For screen readers (accessibility.cpp). The hint areas are described by their hint,
    // refreshed after every event that changed what it depends on.
    void describeForAccessibility();
    void describeHints();
    struct HintInputs {
        std::int16_t percentClicked = -1;
        bool factorEnabled = false;
        bool singlePhase = false;
        bool threePhase = false;
        std::string withoutMotors;
    };
    HintInputs describedHints_;

    std::unique_ptr<AboutForm> about_;
};
