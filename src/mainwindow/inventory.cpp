// The main window's controls with their design-time captions, texts and places in twips. The
// second column lies outside the compact window until it widens; Label6 lies below the client
// area in both sizes and is never seen.
#include "about/aboutform.h"
#include "mainwindow/mainform.h"

using controls::Align;
using controls::Font;

MainForm::MainForm(controls::Desktop& desktop_, controls::EventGate& gate)
    : desktop(desktop_),
      Form("Form", " Quellora", {0, 0, 4790, 3732}, gate),
      Frame3D1("Frame3D1", &Form, {196, 180, 4466, 736}, "  System Voltage (U)"),
      TPh("TPh", &Frame3D1, {120, 190, 1260, 240}, "3 - Phase"),
      SPh("SPh", &Frame3D1, {120, 440, 1260, 240}, "1 - Phase"),
      V("V", &Frame3D1, {1500, 220, 2120, 390}, "", 0),
      VS("VS", &Frame3D1, {4000, 190, 300, 450}),
      Label1("Label1", &Frame3D1, {3680, 280, 260, 300}, "V"),
      FramePrX("FramePrX", &Form, {196, 936, 1800, 736}, ""),
      Command1("Command1", &FramePrX, {60, 80, 1680, 300}, "125% of Current"),
      A1("A1", &FramePrX, {60, 420, 1380, 270}, "12.5"),
      Label8("Label8", &FramePrX, {1480, 420, 260, 270}, "A"),
      Frame3D2("Frame3D2", &Form, {2100, 936, 2572, 736}, "Current (I)"),
      A("A", &Frame3D2, {150, 220, 1740, 390}, "", 11),
      AS("AS", &Frame3D2, {2160, 190, 300, 450}),
      Label3("Label3", &Frame3D2, {1930, 280, 220, 300}, "A"),
      Frame3D4("Frame3D4", &Form, {200, 1680, 1800, 736}, "Power Factor (PF)"),
      Factor("Factor", &Frame3D4, {380, 220, 900, 390}, "1", 4),
      PFS("PFS", &Frame3D4, {1340, 190, 300, 450}),
      Frame3D3("Frame3D3", &Form, {2100, 1680, 2572, 736}, "Power (P)"),
      W("W", &Frame3D3, {150, 220, 1690, 390}, "", 20),
      PS("PS", &Frame3D3, {2160, 190, 300, 450}),
      VA("VA", &Frame3D3, {1860, 280, 290, 300}, "VA"),
      Frame3D5("Frame3D5", &Form, {2100, 2436, 2572, 736}, "Formula Processed  "),
      Wzor("Wzor", &Frame3D5, {100, 300, 2370, 300}, " "),
      Trbutton("Trbutton", &Form, {196, 2520, 1800, 264}, "Transformer Calc."),
      Command3D2("Command3D2", &Form, {196, 2856, 900, 264}, "About"),
      Command3D1("Command3D1", &Form, {1200, 2856, 796, 264}, "Exit"),
      Timer1("Timer1", &Form, 100, true),
      Timer2("Timer2", &Form, 100, false),
      Frame3D6("Frame3D6", &Form, {4800, 180, 3132, 736}, "Secondary Transformer Voltage  "),
      V2("V2", &Frame3D6, {400, 220, 1900, 390}, "", 0),
      V2S("V2S", &Frame3D6, {2700, 190, 300, 450}),
      Label2("Label2", &Frame3D6, {2360, 280, 260, 300}, "V"),
      Frame3D7("Frame3D7", &Form, {4800, 936, 3132, 736}, "Secondary Current  "),
      A2("A2", &Frame3D7, {150, 300, 2360, 300}, "10.0"),
      Label4("Label4", &Frame3D7, {2600, 300, 260, 300}, "A"),
      Frame3D8("Frame3D8", &Form, {4800, 1680, 3132, 736}, ""),
      CommandSC("CommandSC", &Frame3D8, {60, 80, 3010, 300}, "125% of Secondary Current"),
      A2M("A2M", &Frame3D8, {150, 420, 2360, 270}, "12.5"),
      Label7("Label7", &Frame3D8, {2600, 420, 260, 270}, "A"),
      ImpedFrame("ImpedFrame", &Form, {4800, 2436, 3132, 736}, "Transformer Impedance"),
      Imped("Imped", &ImpedFrame, {900, 220, 1000, 390}, "4.5", 4),
      ImpSpin("ImpSpin", &ImpedFrame, {2300, 190, 300, 450}),
      Label11("Label11", &ImpedFrame, {1960, 280, 300, 300}, "%"),
      SSFrame2("SSFrame2", &Form, {4788, 3192, 3132, 684},
               "Short-Circuit Current at transf. terminals"),
      Fault("Fault", &SSFrame2, {150, 280, 2300, 300}, "10.0"),
      Label10("Label10", &SSFrame2, {2500, 280, 560, 300}, "SCA"),
      Label5("Label5", &Form, {255, 4035, 7650, 1170}, ""),
      Label6("Label6", &Form, {255, 5544, 1500, 255}, "Label6") {
    TPh.setValue(true);
    applyLayout();
    wireEvents();
    describeForAccessibility();
    gate.afterEvent = [this] {
        if (about_ != nullptr && about_->unloaded()) about_.reset();
        describeHints();
    };
}

MainForm::~MainForm() {
    Form.gate().afterEvent = nullptr;
}

void MainForm::applyLayout() {
    const Font frameFont{"Arial", 8.25, true};   // and the buttons
    const Font fieldFont{"Arial", 11.25, true};  // and the results
    const Font unitFont{"Arial", 9.75, true};
    const Font optionFont{"Arial", 8.25};
    const Font noteFont{"MS Sans Serif", 8.25};

    for (controls::Frame* frame : {&Frame3D1, &FramePrX, &Frame3D2, &Frame3D4, &Frame3D3, &Frame3D5,
                                   &Frame3D6, &Frame3D7, &Frame3D8, &ImpedFrame, &SSFrame2})
        frame->setFont(frameFont);
    for (controls::TextBox* box : {&V, &A, &Factor, &W, &V2, &Imped}) box->setFont(fieldFont);
    for (controls::Label* unit :
         {&Label1, &Label8, &Label3, &VA, &Label2, &Label4, &Label7, &Label11, &Label10})
        unit->setFont(unitFont);
    for (controls::Label* result : {&A1, &A2, &A2M, &Fault}) {
        result->setFont(fieldFont);
        result->setAlignment(Align::Right);
    }
    for (controls::CommandButton* button :
         {&Command1, &Trbutton, &Command3D2, &Command3D1, &CommandSC})
        button->setFont(frameFont);
    TPh.setFont(optionFont);
    SPh.setFont(optionFont);
    Wzor.setFont(Font{"Arial", 9, true});
    Wzor.setAlignment(Align::Center);
    Label5.setFont(noteFont);
    Label5.setWordWrap(true);
    Label5.setSystemColors(controls::SystemColor::WindowText, controls::SystemColor::Window);
    Label6.setFont(noteFont);

    // The spin buttons take no focus from the Tab key, labels none at all.
    int index = 0;
    for (controls::Control* control : std::initializer_list<controls::Control*>{
             &SPh, &V, &A, &W, &Factor, &V2, &Imped, &TPh, &Trbutton, &V2S, &VS, &PS, &AS, &PFS,
             &ImpSpin, &Command1, &Command3D2, &Command3D1, &CommandSC}) {
        control->setTabIndex(index++);
    }
    for (controls::SpinButton* spin : {&V2S, &VS, &PS, &AS, &PFS, &ImpSpin})
        spin->setTabStop(false);
    Label6.setVisible(false);
    // A person may copy every result and the note.
    for (controls::Label* result : {&A1, &A2, &A2M, &Fault, &Wzor, &Label5})
        result->setSelectable(true);
}

void MainForm::wireEvents() {
    using M = MainForm;
    using Handler = void (M::*)();
    using KeyHandler = void (M::*)(std::int16_t&, std::int16_t);
    const auto call = [this](Handler handler) { return [this, handler] { (this->*handler)(); }; };
    const auto field = [&](controls::TextBox& box, Handler change, Handler got, KeyHandler key,
                           Handler lost) {
        box.onChange = call(change);
        box.onGotFocus = call(got);
        box.onKeyDown = [this, key](std::int16_t& code, std::int16_t shift) {
            (this->*key)(code, shift);
        };
        if (lost != nullptr) box.onLostFocus = call(lost);
    };
    const auto spin = [&](controls::SpinButton& button, Handler down, Handler up) {
        button.onSpinDown = call(down);
        button.onSpinUp = call(up);
    };

    Form.onKeyPress = [this](std::int16_t& key) { Form_KeyPress(key); };
    Form.onMouseMove = call(&M::Form_MouseMove);
    Command3D1.onClick = call(&M::Command3D1_Click);
    Command3D2.onClick = call(&M::Command3D2_Click);
    Timer1.onTimer = call(&M::Timer1_Timer);
    Timer2.onTimer = call(&M::Timer2_Timer);

    field(V, &M::V_Change, &M::V_GotFocus, &M::V_KeyDown, &M::V_LostFocus);
    field(A, &M::A_Change, &M::A_GotFocus, &M::A_KeyDown, nullptr);
    field(W, &M::W_Change, &M::W_GotFocus, &M::W_KeyDown, &M::W_LostFocus);
    field(Factor, &M::Factor_Change, &M::Factor_GotFocus, &M::Factor_KeyDown, nullptr);
    field(V2, &M::V2_Change, &M::V2_GotFocus, &M::V2_KeyDown, nullptr);
    field(Imped, &M::Imped_Change, &M::Imped_GotFocus, &M::Imped_KeyDown, &M::Imped_LostFocus);
    spin(VS, &M::VS_SpinDown, &M::VS_SpinUp);
    spin(AS, &M::AS_SpinDown, &M::AS_SpinUp);
    spin(PS, &M::PS_SpinDown, &M::PS_SpinUp);
    spin(PFS, &M::PFS_SpinDown, &M::PFS_SpinUp);
    spin(V2S, &M::V2S_SpinDown, &M::V2S_SpinUp);
    spin(ImpSpin, &M::ImpSpin_SpinDown, &M::ImpSpin_SpinUp);

    SPh.onClick = call(&M::SPh_Click);
    TPh.onClick = call(&M::TPh_Click);
    Trbutton.onClick = call(&M::Trbutton_Click);
    Command1.onClick = call(&M::Command1_Click);
    CommandSC.onClick = call(&M::CommandSC_Click);

    Command1.onMouseMove = call(&M::Command1_MouseMove);
    CommandSC.onMouseMove = call(&M::CommandSC_MouseMove);
    Frame3D4.onMouseMove = call(&M::Frame3D4_MouseMove);
    Frame3D6.onMouseMove = call(&M::Frame3D6_MouseMove);
    ImpedFrame.onMouseMove = call(&M::ImpedFrame_MouseMove);
    SSFrame2.onMouseMove = call(&M::SSFrame2_MouseMove);
}
