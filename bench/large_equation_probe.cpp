// Probe for script/bench: the real window with 1,000 units on each side of the
// equation (500 over 500), then 200 inputs that change it, 100 picks on the
// left and 100 unit changes on the right, each timed from the input to the
// repainted window. Prints the worst and the median in milliseconds.
#include <QApplication>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "main_window.h"

namespace {

using quantivex::MainWindow;
using quantivex::Session;

const quantivex::MenuItemRow& item(const char* name) {
    return *quantivex::findMenuItemRow(name);
}

// Picks a unit from a category button's menu through the session, as a person
// would, without the view: used to build the equation, not timed.
void pick(Session& session, const char* button, const char* unit) {
    session.run(std::string(button) + "_MouseDown", 1);
    session.choose(item(unit));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) QApplication::processEvents();
    Session& session = window.session();

    session.run("Command8_Click");
    session.run("Label3_Click");
    for (int i = 0; i < 500; ++i) pick(session, "Command1", "MASS2");
    session.run("Label4_Click");
    for (int i = 0; i < 500; ++i) pick(session, "Command5", "TIM5");
    session.run("Command9_Click");
    window.input([] {});
    QApplication::processEvents();

    // One input, from the moment it arrives to the window repainted.
    std::vector<double> ms;
    auto timed = [&](const quantivex::MenuItemRow& unit) {
        const auto start = std::chrono::steady_clock::now();
        window.input([&] { session.choose(unit); });
        window.repaint();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        QApplication::processEvents();
    };
    for (int i = 0; i < 100; ++i) {
        window.input([&] { session.run("Label3_Click"); });
        window.input([&] { session.run("Command1_MouseDown", 1); });
        timed(item("MASS2"));
        window.input([&] { session.run("Label5_MouseDown", 1); });
        window.input([&] { session.run("Command10_MouseDown", 1); });
        timed(item(i % 2 == 0 ? "MASS3" : "MASS4"));
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%.2f %.2f\n", ms.back(), ms[ms.size() / 2]);
    return 0;
}
