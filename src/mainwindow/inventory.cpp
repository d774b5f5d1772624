// The controls of the main window with their design-time captions, texts and places in twips.
// The second column (left 4788 to 4800) lies outside the compact window and is uncovered by
// widening it; Label6 lies below the client area in both sizes and is never seen.
#include "about/aboutform.h"
#include "mainwindow/mainform.h"

using controls::Align;
using controls::Font;
using controls::Rect;

MainForm::MainForm(controls::Desktop& desktop_, controls::EventGate& gate)
    : desktop(desktop_),
      Form("Form", " Quellora", Rect{0, 0, 4790, 3732}, gate),
      Frame3D1("Frame3D1", &Form, Rect{196, 180, 4466, 736}, "  System Voltage (U)"),
      TPh("TPh", &Frame3D1, Rect{120, 190, 1260, 240}, "3 - Phase"),
      SPh("SPh", &Frame3D1, Rect{120, 440, 1260, 240}, "1 - Phase"),
      V("V", &Frame3D1, Rect{1500, 220, 2120, 390}, "", 0),
      VS("VS", &Frame3D1, Rect{4000, 190, 300, 450}),
      Label1("Label1", &Frame3D1, Rect{3680, 280, 260, 300}, "V"),
      FramePrX("FramePrX", &Form, Rect{196, 936, 1800, 736}, ""),
      Command1("Command1", &FramePrX, Rect{60, 80, 1680, 300}, "125% of Current"),
      A1("A1", &FramePrX, Rect{60, 420, 1380, 270}, "12.5"),
      Label8("Label8", &FramePrX, Rect{1480, 420, 260, 270}, "A"),
      Frame3D2("Frame3D2", &Form, Rect{2100, 936, 2572, 736}, "Current (I)"),
      A("A", &Frame3D2, Rect{150, 220, 1740, 390}, "", 11),
      AS("AS", &Frame3D2, Rect{2160, 190, 300, 450}),
      Label3("Label3", &Frame3D2, Rect{1930, 280, 220, 300}, "A"),
      Frame3D4("Frame3D4", &Form, Rect{200, 1680, 1800, 736}, "Power Factor (PF)"),
      Factor("Factor", &Frame3D4, Rect{380, 220, 900, 390}, "1", 4),
      PFS("PFS", &Frame3D4, Rect{1340, 190, 300, 450}),
      Frame3D3("Frame3D3", &Form, Rect{2100, 1680, 2572, 736}, "Power (P)"),
      W("W", &Frame3D3, Rect{150, 220, 1690, 390}, "", 20),
      PS("PS", &Frame3D3, Rect{2160, 190, 300, 450}),
      VA("VA", &Frame3D3, Rect{1860, 280, 290, 300}, "VA"),
      Frame3D5("Frame3D5", &Form, Rect{2100, 2436, 2572, 736}, "Formula Processed  "),
      Wzor("Wzor", &Frame3D5, Rect{100, 300, 2370, 300}, " "),
      Trbutton("Trbutton", &Form, Rect{196, 2520, 1800, 264}, "Transformer Calc."),
      Command3D2("Command3D2", &Form, Rect{196, 2856, 900, 264}, "About"),
      Command3D1("Command3D1", &Form, Rect{1200, 2856, 796, 264}, "Exit"),
      Timer1("Timer1", &Form, 100, true),
      Timer2("Timer2", &Form, 100, false),
      Frame3D6("Frame3D6", &Form, Rect{4800, 180, 3132, 736}, "Secondary Transformer Voltage  "),
      V2("V2", &Frame3D6, Rect{400, 220, 1900, 390}, "", 0),
      V2S("V2S", &Frame3D6, Rect{2700, 190, 300, 450}),
      Label2("Label2", &Frame3D6, Rect{2360, 280, 260, 300}, "V"),
      Frame3D7("Frame3D7", &Form, Rect{4800, 936, 3132, 736}, "Secondary Current  "),
      A2("A2", &Frame3D7, Rect{150, 300, 2360, 300}, "10.0"),
      Label4("Label4", &Frame3D7, Rect{2600, 300, 260, 300}, "A"),
      Frame3D8("Frame3D8", &Form, Rect{4800, 1680, 3132, 736}, ""),
      CommandSC("CommandSC", &Frame3D8, Rect{60, 80, 3010, 300}, "125% of Secondary Current"),
      A2M("A2M", &Frame3D8, Rect{150, 420, 2360, 270}, "12.5"),
      Label7("Label7", &Frame3D8, Rect{2600, 420, 260, 270}, "A"),
      ImpedFrame("ImpedFrame", &Form, Rect{4800, 2436, 3132, 736}, "Transformer Impedance"),
      Imped("Imped", &ImpedFrame, Rect{900, 220, 1000, 390}, "4.5", 4),
      ImpSpin("ImpSpin", &ImpedFrame, Rect{2300, 190, 300, 450}),
      Label11("Label11", &ImpedFrame, Rect{1960, 280, 300, 300}, "%"),
      SSFrame2("SSFrame2", &Form, Rect{4788, 3192, 3132, 684},
               "Short-Circuit Current at transf. terminals"),
      Fault("Fault", &SSFrame2, Rect{150, 280, 2300, 300}, "10.0"),
      Label10("Label10", &SSFrame2, Rect{2500, 280, 560, 300}, "SCA"),
      Label5("Label5", &Form, Rect{255, 4035, 7650, 1170}, ""),
      Label6("Label6", &Form, Rect{255, 5544, 1500, 255}, "Label6") {
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
    const Font frameFont{"Arial", 8.25, true, false};
    const Font fieldFont{"Arial", 11.25, true, false};
    const Font unitFont{"Arial", 9.75, true, false};
    const Font resultFont{"Arial", 11.25, true, false};
    const Font buttonFont{"Arial", 8.25, true, false};
    const Font optionFont{"Arial", 8.25, false, false};
    const Font noteFont{"MS Sans Serif", 8.25, false, false};

    for (controls::Frame* frame : {&Frame3D1, &FramePrX, &Frame3D2, &Frame3D4, &Frame3D3, &Frame3D5,
                                   &Frame3D6, &Frame3D7, &Frame3D8, &ImpedFrame, &SSFrame2}) {
        frame->setFont(frameFont);
    }
    for (controls::TextBox* box : {&V, &A, &Factor, &W, &V2, &Imped}) box->setFont(fieldFont);
    for (controls::Label* unit :
         {&Label1, &Label8, &Label3, &VA, &Label2, &Label4, &Label7, &Label11, &Label10}) {
        unit->setFont(unitFont);
    }
    for (controls::Label* result : {&A1, &A2, &A2M, &Fault}) {
        result->setFont(resultFont);
        result->setAlignment(Align::Right);
    }
    for (controls::CommandButton* button :
         {&Command1, &Trbutton, &Command3D2, &Command3D1, &CommandSC}) {
        button->setFont(buttonFont);
    }
    TPh.setFont(optionFont);
    SPh.setFont(optionFont);
    Wzor.setFont(Font{"Arial", 9, true, false});
    Wzor.setAlignment(Align::Center);
    Label5.setFont(noteFont);
    Label5.setWordWrap(true);
    Label5.setSystemColors(controls::SystemColor::WindowText, controls::SystemColor::Window);
    Label6.setFont(noteFont);

    // Tab order; the spin buttons take no focus from the Tab key, labels none at all.
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
    for (controls::Label* result : {&A1, &A2, &A2M, &Fault, &Wzor, &Label5}) {
        result->setSelectable(true);
    }
}

void MainForm::wireEvents() {
    using Handler = void (MainForm::*)();
    using KeyHandler = void (MainForm::*)(std::int16_t&, std::int16_t);
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
    Form.onMouseMove = call(&MainForm::Form_MouseMove);
    Command3D1.onClick = call(&MainForm::Command3D1_Click);
    Command3D2.onClick = call(&MainForm::Command3D2_Click);
    Timer1.onTimer = call(&MainForm::Timer1_Timer);
    Timer2.onTimer = call(&MainForm::Timer2_Timer);

    field(V, &MainForm::V_Change, &MainForm::V_GotFocus, &MainForm::V_KeyDown,
          &MainForm::V_LostFocus);
    field(A, &MainForm::A_Change, &MainForm::A_GotFocus, &MainForm::A_KeyDown, nullptr);
    field(W, &MainForm::W_Change, &MainForm::W_GotFocus, &MainForm::W_KeyDown,
          &MainForm::W_LostFocus);
    field(Factor, &MainForm::Factor_Change, &MainForm::Factor_GotFocus, &MainForm::Factor_KeyDown,
          nullptr);
    field(V2, &MainForm::V2_Change, &MainForm::V2_GotFocus, &MainForm::V2_KeyDown, nullptr);
    field(Imped, &MainForm::Imped_Change, &MainForm::Imped_GotFocus, &MainForm::Imped_KeyDown,
          &MainForm::Imped_LostFocus);
    spin(VS, &MainForm::VS_SpinDown, &MainForm::VS_SpinUp);
    spin(AS, &MainForm::AS_SpinDown, &MainForm::AS_SpinUp);
    spin(PS, &MainForm::PS_SpinDown, &MainForm::PS_SpinUp);
    spin(PFS, &MainForm::PFS_SpinDown, &MainForm::PFS_SpinUp);
    spin(V2S, &MainForm::V2S_SpinDown, &MainForm::V2S_SpinUp);
    spin(ImpSpin, &MainForm::ImpSpin_SpinDown, &MainForm::ImpSpin_SpinUp);

    SPh.onClick = call(&MainForm::SPh_Click);
    TPh.onClick = call(&MainForm::TPh_Click);
    Trbutton.onClick = call(&MainForm::Trbutton_Click);
    Command1.onClick = call(&MainForm::Command1_Click);
    CommandSC.onClick = call(&MainForm::CommandSC_Click);

    Command1.onMouseMove = call(&MainForm::Command1_MouseMove);
    CommandSC.onMouseMove = call(&MainForm::CommandSC_MouseMove);
    Frame3D4.onMouseMove = call(&MainForm::Frame3D4_MouseMove);
    Frame3D6.onMouseMove = call(&MainForm::Frame3D6_MouseMove);
    ImpedFrame.onMouseMove = call(&MainForm::ImpedFrame_MouseMove);
    SSFrame2.onMouseMove = call(&MainForm::SSFrame2_MouseMove);
}
