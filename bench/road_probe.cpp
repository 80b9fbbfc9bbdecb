// The 5 kg/sec road replayed N times (N from the command line, 0 allowed), for
// callgrind: the instructions of N roads less those of none, divided by N, are
// those of one road, the same on any machine. It prints the bytes one undo
// snapshot of the window at the road's end holds: its own and what it allocates.
#include <cstdio>
#include <cstdlib>
#include <new>
#include <sstream>

#include "form1.h"
#include "recording_platform.h"
#include "replay.h"
#include "road.h"
#include "session.h"

namespace {
std::size_t allocated = 0;
}  // namespace

void* operator new(std::size_t size) {
    allocated += size;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

// The window at the road's end, taken apart from the replay tool so that its
// snapshot can be weighed.
std::size_t snapshotBytes() {
    using namespace quantivex;
    RecordingPlatform platform;
    Form1 form(platform);
    Session session(form);
    auto pick = [&](const char* button, const char* item) {
        session.run(button, 1);
        session.choose(*findMenuItemRow(item));
    };
    session.run("Form_Load");
    session.run("Command8_Click");
    session.run("Label3_Click");
    pick("Command1_MouseDown", "MASS2");
    session.run("Label4_Click");
    pick("Command5_MouseDown", "TIM5");
    session.run("Label2_DblClick");
    session.type(form.Text2, u"5");
    session.run("Label2_Click");
    session.run("Command9_Click");
    session.run("Label5_MouseDown", 1);
    pick("Command10_MouseDown", "MASS3");
    session.run("Label6_MouseDown", 1);
    pick("Command14_MouseDown", "TIM4");
    const std::size_t before = allocated;
    const Form1State copy = form;
    return sizeof copy + (allocated - before);
}

}  // namespace

int main(int argc, char** argv) {
    const long roads = argc > 1 ? std::atol(argv[1]) : 0;
    const auto script = quantivex::replay::parseScript(quantivex::bench::kRoad);
    std::ostringstream out;  // made once: the road, not the stream, is measured
    for (long i = 0; i < roads; ++i) {
        if (quantivex::replay::runScript(script, "road", out) != quantivex::replay::Outcome::Passed) {
            std::fputs(out.str().c_str(), stderr);
            return 1;
        }
    }
    std::printf("snapshot bytes %zu\n", snapshotBytes());
    return 0;
}
