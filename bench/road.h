// The 5 kg/sec road, from start-up to 661.386 lb/min, as a replay script: what
// the interaction benchmarks time.
#pragma once

namespace quantivex::bench {

inline constexpr const char* kRoad = R"(Form_Load
Command8_Click
Label3_Click
Command1_MouseDown 1
choose MASS2
Label4_Click
Command5_MouseDown 1
choose TIM5
Label2_DblClick
type Text2 5
Timer2_Timer
Label2_Click
Command9_Click
Label5_MouseDown 1
Command10_MouseDown 1
choose MASS3
Label6_MouseDown 1
Command14_MouseDown 1
choose TIM4
expect Label1.Caption = 661.386
)";

inline constexpr const char* kTypedRoad = R"(Form_Load
line 5 kg/s lb/min
expect Label1.Caption = 661.386
)";

}  // namespace quantivex::bench
