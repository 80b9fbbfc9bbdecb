// What a script cannot say about the session: lone surrogates, NUL and line
// breaks in text that reaches the boxes from a paste or an input method; the
// undo history at its limit with a box open; a snapshot restored into another
// window; an event name the window does not have; how long a popup stays open;
// which control a hint stands beside.
#include "session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "recording_platform.h"
#include "reflection.h"

namespace quantivex {
namespace {

// A loaded window with its units entry shown, and by default its value box open.
struct Window {
    RecordingPlatform platform;
    Form1 form{platform};
    Session session{form};
    explicit Window(bool openValueBox = true) {
        session.run("Form_Load");
        session.run("Command8_Click");
        if (openValueBox) session.run("Label2_DblClick");
    }
    Form1State state() const { return form.snapshot(); }
    // A press on the left-row button of the category, then a pick in the menu it opens.
    void pickLeft(char16_t category, std::string_view item) {
        session.run(*findEvent(*categoryButtonRow(Side::Left, category), EventKind::MouseDown), 1);
        ASSERT_EQ(session.choose(*findMenuItemRow(item)), Session::Pick::Chosen) << item;
    }
};

const ControlRow& leftPart(Place place) {
    return *equationPartRow(Side::Left, place);
}

// Two windows are the same when everything a dump shows is.
::testing::AssertionResult sameWindow(const Form1State& expected, const Form1State& actual) {
    const auto a = Form1Reflection::wholeState(expected);
    const auto b = Form1Reflection::wholeState(actual);
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string x = i < a.size() ? a[i] : "(nothing)";
        const std::string y = i < b.size() ? b[i] : "(nothing)";
        if (x != y) return ::testing::AssertionFailure() << "expected " << x << ", got " << y;
    }
    return ::testing::AssertionSuccess();
}

TEST(TypedText, IsRefusedWholeWhereNoKeyboardTypesIt) {
    Window w;
    const std::u16string refused[] = {
        std::u16string{u'5', char16_t{0xD800}},  // a lone high surrogate
        std::u16string{char16_t{0xDC00}},        // a lone low one
        std::u16string{u'1', u'\0'},             // NUL
        u"1\r\n2",                               // a pasted line break
        std::u16string(1001, u'9'),              // one character more than a box takes
    };
    for (const std::u16string& text : refused) {
        EXPECT_FALSE(w.session.type(w.form.Text2, text));
        EXPECT_EQ(w.form.Text2.Text(), u"1") << "a refused text must leave the box as it was";
        ASSERT_TRUE(w.platform.hint.has_value());
    }
    EXPECT_EQ(*refusalOfTypedText(std::u16string{u'5', char16_t{0xD800}}),
              u"2 文字目に入力できない文字（壊れた文字）があります");
    EXPECT_EQ(*refusalOfTypedText(u"1\r\n2"), u"2 文字目に入力できない文字（制御文字）があります");
}

TEST(TypedText, CountsAPairOfSurrogatesAsOneCharacter) {
    // U+1F600 is two UTF-16 units but one character a person sees.
    const std::u16string text{char16_t{0xD83D}, char16_t{0xDE00}, u'\t'};
    EXPECT_EQ(*refusalOfTypedText(text), u"2 文字目に入力できない文字（制御文字）があります");
    EXPECT_FALSE(refusalOfTypedText(std::u16string(1000, u'9')));
}

TEST(TypedText, RightToLeftLettersAreTakenAndRefusedOnlyAtTheCommit) {
    // Letters of any script may be typed; they are no number, so the commit
    // refuses them and keeps the box open. Direction overrides never get in.
    Window w;
    EXPECT_TRUE(w.session.type(w.form.Text2, u"\u05E9\u05DC\u05D5\u05DD"));
    EXPECT_TRUE(w.session.enter(w.form.Text2));
    EXPECT_EQ(w.form.EditingLeftValue, 1);
    EXPECT_EQ(w.platform.beeps, 1);
    ASSERT_TRUE(w.platform.hint.has_value());
    EXPECT_EQ(*w.platform.hint, u"数値ではありません「\u05E9\u05DC\u05D5\u05DD」");
    EXPECT_FALSE(w.session.type(w.form.Text2, u"\u202E5"));
    EXPECT_FALSE(w.session.type(w.form.Text2, u"5\u2066"));
}

// A history filled one step past its limit, the last steps taken with the value
// box open: two unit picks, the box opened, then picks until the step that
// pushes out the oldest one.
struct FullHistory {
    struct UnitPick {
        char16_t category;
        const char* item;
    };
    static constexpr UnitPick kPicks[] = {{u'M', "MASS2"}, {u'L', "LENG2"}};

    Window w{false};
    std::vector<Form1State> beforeStep;  // the window before each step the history still holds, oldest first
    std::size_t firstInBox = 0;          // the first of them taken with the box open
    Form1State beforeBox;                // the window just before the box opened

    FullHistory() {
        EXPECT_EQ(w.session.stepsTaken(), 1u) << "set units is the first step";
        w.session.run("Label3_Click");
        for (const UnitPick& p : kPicks) {
            beforeStep.push_back(w.state());
            w.pickLeft(p.category, p.item);
        }
        firstInBox = beforeStep.size();
        w.session.run(*findEvent(leftPart(Place::Value), EventKind::Click));
        beforeBox = w.state();
        w.session.run(*findEvent(leftPart(Place::Value), EventKind::DblClick));
        EXPECT_TRUE(w.session.type(w.form.Text2, u"7"));
        for (int tries = 0; w.session.stepsTaken() <= kUndoSteps && tries < 1000; ++tries) {
            beforeStep.push_back(w.state());
            const UnitPick& p = kPicks[beforeStep.size() % 2];
            w.pickLeft(p.category, p.item);
            if (::testing::Test::HasFatalFailure()) return;
        }
        EXPECT_EQ(w.session.stepsTaken(), kUndoSteps + 1);
        EXPECT_EQ(beforeStep.size(), kUndoSteps) << "the first step, set units, is the one pushed out";
        EXPECT_TRUE(w.session.isOpen(w.form.Text2));
    }
};

TEST(UndoHistory, PushesOutOnlyTheOldestStepWhenItOverflowsWithABoxOpen) {
    FullHistory h;
    ASSERT_FALSE(::testing::Test::HasFailure());
    Session& session = h.w.session;
    for (std::size_t k = h.beforeStep.size(); k-- > h.firstInBox;) {
        ASSERT_TRUE(session.undo());
        ASSERT_TRUE(sameWindow(h.beforeStep[k], h.w.state())) << "undo of step " << k;
    }
    // The steps taken in the box undone, the box closes as Escape closes it.
    ASSERT_TRUE(session.undo());
    EXPECT_TRUE(sameWindow(h.beforeBox, h.w.state()));
    for (std::size_t k = h.firstInBox; k-- > 0;) {
        ASSERT_TRUE(session.undo());
        EXPECT_TRUE(sameWindow(h.beforeStep[k], h.w.state())) << "undo of step " << k;
    }
    EXPECT_FALSE(session.undo()) << "the oldest step was pushed out";
    EXPECT_TRUE(sameWindow(h.beforeStep.front(), h.w.state()));
}

TEST(UndoHistory, EscapeAndCommitOfTheOpenBoxStillHoldOnceItHasOverflowed) {
    {
        FullHistory h;
        ASSERT_FALSE(::testing::Test::HasFailure());
        ASSERT_TRUE(h.w.session.escape(h.w.form.Text2));
        EXPECT_TRUE(sameWindow(h.beforeBox, h.w.state())) << "Escape gives the window from before the box opened";
        // The steps taken in the box went with it; undo goes on before the box.
        ASSERT_TRUE(h.w.session.undo());
        EXPECT_TRUE(sameWindow(h.beforeStep[h.firstInBox - 1], h.w.state()));
    }
    {
        FullHistory h;
        ASSERT_FALSE(::testing::Test::HasFailure());
        ASSERT_TRUE(h.w.session.enter(h.w.form.Text2));
        ASSERT_FALSE(h.w.session.isOpen(h.w.form.Text2));
        EXPECT_EQ(h.w.form.Label2.Caption, u"7");
        const Form1State committed = h.w.state();
        // The commit is one step from the window before the box opened.
        ASSERT_TRUE(h.w.session.undo());
        EXPECT_TRUE(sameWindow(h.beforeBox, h.w.state()));
        ASSERT_TRUE(h.w.session.undo());
        EXPECT_TRUE(sameWindow(h.beforeStep[h.firstInBox - 1], h.w.state()));
        ASSERT_TRUE(h.w.session.redo());
        ASSERT_TRUE(h.w.session.redo());
        EXPECT_TRUE(sameWindow(committed, h.w.state()));
    }
}

TEST(UndoHistory, RedoBringsBackWhatWasUndoneAfterAnEditIsAbandoned) {
    Window w(false);
    w.session.run("Label3_Click");
    w.pickLeft(u'M', "MASS2");
    const Form1State picked = w.state();
    ASSERT_TRUE(w.session.undo());
    w.session.doubleClick(leftPart(Place::Value));
    ASSERT_TRUE(w.session.type(w.form.Text2, u"5"));
    ASSERT_TRUE(w.session.escape(w.form.Text2));
    ASSERT_TRUE(w.session.redo()) << "an abandoned edit is no step: what was undone can still be redone";
    EXPECT_TRUE(sameWindow(picked, w.state()));
}

TEST(Hints, ForAResultOutOfRangeStandBesideTheValueItWouldHaveChanged) {
    Window w(false);
    w.session.run("Label3_Click");
    w.pickLeft(u'M', "MASS2");
    w.session.run("Command9_Click");
    const EventHandler& pressRightMass = *findEvent(*categoryButtonRow(Side::Right, u'M'), EventKind::MouseDown);
    auto pickRight = [&](std::string_view item) {
        w.session.run("Label5_MouseDown", 1);
        w.session.run(pressRightMass, 1);
        ASSERT_EQ(w.session.choose(*findMenuItemRow(item)), Session::Pick::Chosen) << item;
    };
    pickRight("MASS3");  // kg = lb
    w.session.doubleClick(leftPart(Place::Value));
    ASSERT_TRUE(w.session.type(w.form.Text2, u"1e308"));
    ASSERT_TRUE(w.session.enter(w.form.Text2));
    ASSERT_TRUE(w.platform.hint.has_value());
    EXPECT_EQ(w.platform.hintControl, "Text2") << "the edit stays open on the value, the hint beside it";
    const std::u16string why = *w.platform.hint;
    ASSERT_TRUE(w.session.type(w.form.Text2, u"1e300"));
    ASSERT_TRUE(w.session.enter(w.form.Text2));
    pickRight("MASS8");  // 2.2e300 lb in ng
    ASSERT_TRUE(w.platform.hint.has_value());
    EXPECT_EQ(w.platform.hintControl, "Label1") << "beside the right value the change left as it was";
    EXPECT_EQ(*w.platform.hint, why);
}

TEST(Snapshot, RestoredIntoAnotherWindowRaisesThatWindowsOwnChangeEvents) {
    Window a(false);
    a.session.run("Label3_Click");
    a.pickLeft(u'M', "MASS2");
    a.session.doubleClick(leftPart(Place::Numerator));
    ASSERT_EQ(a.form.Text3.Text(), u"kg");
    ASSERT_FALSE(a.form.Label1.Caption.empty());
    const Form1State aBefore = a.state();

    RecordingPlatform platform;
    Form1 b(platform);
    Session session(b);
    b.restore(a.form.snapshot());
    b.Text3.setText(u"");  // emptying the unit box clears the right value
    EXPECT_EQ(b.Label1.Caption, u"");
    EXPECT_TRUE(sameWindow(aBefore, a.state())) << "the first window must not hear the second one's box";
}

TEST(Steps, AreHeardOnceEachAndACompoundOfFivePicksIsOneStepOneUndoTakesBack) {
    Window w(false);
    std::vector<std::pair<std::u16string, std::u16string>> heard;  // the left numerator before and after each step
    w.session.history().addObserver([&](const Form1State& before, const Form1State& after) {
        heard.emplace_back(before.Label3.Caption.str(), after.Label3.Caption.str());
    });
    std::vector<std::string> recorded;
    w.session.setRecorder([&](const std::string& line) { recorded.push_back(line); });
    w.session.run("Label3_Click");
    EXPECT_TRUE(heard.empty()) << "choosing where picks go is no step";
    w.pickLeft(u'M', "MASS2");
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0], std::make_pair(std::u16string(), std::u16string(u"kg")));
    // Refused inputs are no steps: a text no keyboard types, a pick with no menu open.
    EXPECT_FALSE(w.session.type(w.form.Text2, std::u16string{u'1', u'\0'}));
    EXPECT_EQ(w.session.choose(*findMenuItemRow("LENG2")), Session::Pick::NoPopup);
    EXPECT_EQ(heard.size(), 1u);

    const Form1State beforeCompound = w.state();
    const std::size_t stepsBefore = w.session.stepsTaken();
    recorded.clear();
    w.session.compound("# five picks", [&] {
        for (const char* item : {"LENG2", "LENG2", "MASS3", "TIM5", "LENG3"}) {
            w.pickLeft(item[0] == 'L' ? u'L' : item[0] == 'M' ? u'M' : u'T', item);
        }
    });
    EXPECT_EQ(w.form.Label3.Caption, u"kg\uFF65m\uFF65m\uFF65lb\uFF65sec\uFF65yd");
    EXPECT_EQ(w.session.stepsTaken(), stepsBefore + 1);
    ASSERT_EQ(heard.size(), 2u) << "the compound is heard once";
    EXPECT_EQ(heard[1].first, u"kg");
    EXPECT_EQ(heard[1].second, w.form.Label3.Caption.str());
    EXPECT_EQ(recorded, std::vector<std::string>{"# five picks"}) << "the inputs replay as the one that asked for them";
    const Form1State afterCompound = w.state();

    ASSERT_TRUE(w.session.undo());
    EXPECT_TRUE(sameWindow(beforeCompound, w.state())) << "one undo takes back all five picks";
    ASSERT_TRUE(w.session.redo());
    EXPECT_TRUE(sameWindow(afterCompound, w.state()));
    EXPECT_EQ(heard.size(), 2u) << "undo and redo are no steps";

    // A compound that leaves a box open: the edit begins before the compound.
    w.session.compound("# a value half typed", [&] {
        w.pickLeft(u'M', "MASS2");
        w.session.doubleClick(leftPart(Place::Value));
        w.session.type(w.form.Text2, u"9");
    });
    ASSERT_TRUE(w.session.isOpen(w.form.Text2));
    ASSERT_TRUE(w.session.escape(w.form.Text2));
    EXPECT_TRUE(sameWindow(afterCompound, w.state())) << "Escape goes back to before the compound";
}

TEST(EventNames, ThatTheWindowDoesNotHaveAreRefusedAndChangeNothing) {
    Window w(false);
    w.session.run("Label3_Click");
    w.session.run(*findEvent(*categoryButtonRow(Side::Left, u'M'), EventKind::MouseDown), 1);
    const Menu* popup = w.session.openPopup();
    ASSERT_NE(popup, nullptr);
    std::vector<std::string> recorded;
    w.session.setRecorder([&](const std::string& line) { recorded.push_back(line); });
    const Form1State before = w.state();
    const std::size_t steps = w.session.stepsTaken();
    EXPECT_THROW(w.session.run("NoSuch_Click"), UnknownEvent);
    EXPECT_THROW(w.session.run("Label2_Change"), UnknownEvent) << "a control's name with an event it does not raise";
    EXPECT_TRUE(sameWindow(before, w.state()));
    EXPECT_EQ(w.session.stepsTaken(), steps);
    EXPECT_EQ(w.session.openPopup(), popup) << "no input reached the window, so its menu stays open";
    EXPECT_TRUE(recorded.empty()) << "nothing to replay";
}

TEST(PopupMenu, OpensOnACategoryButtonOutlivesATickAndClosesAtTheNextInput) {
    Window w(false);
    w.session.run("usr_Click");  // the guide's timer runs
    w.session.run("Label3_Click");
    const MenuItemRow& kilogram = *findMenuItemRow("MASS2");
    EXPECT_EQ(w.session.choose(kilogram), Session::Pick::NoPopup);
    EXPECT_FALSE(w.session.dismiss());

    const EventHandler& pressMass = *findEvent(*categoryButtonRow(Side::Left, u'M'), EventKind::MouseDown);
    w.session.run(pressMass, 1);
    ASSERT_EQ(w.session.openPopup(), &(w.form.*kilogram.owner));
    EXPECT_EQ(w.session.choose(*findMenuItemRow("LENG2")), Session::Pick::NotInOpenPopup);
    const ControlRow& guideTimer = *rowsWithRole(Role::GuideTimer).front();
    ASSERT_TRUE((w.form.*std::get<Timer Form1State::*>(guideTimer.member)).Enabled);
    w.session.run(*findEvent(guideTimer, EventKind::Timer));
    EXPECT_EQ(w.session.openPopup(), &(w.form.*kilogram.owner)) << "a timer tick leaves the menu open";

    w.session.run(*findEvent(leftPart(Place::Denominator), EventKind::Click));
    EXPECT_EQ(w.session.openPopup(), nullptr) << "a click elsewhere closes the menu";
    const Form1State before = w.state();
    EXPECT_EQ(w.session.choose(kilogram), Session::Pick::NoPopup);
    EXPECT_TRUE(sameWindow(before, w.state())) << "a pick in a closed menu changes nothing";

    w.session.run(pressMass, 1);
    EXPECT_TRUE(w.session.dismiss());
    EXPECT_EQ(w.session.choose(kilogram), Session::Pick::NoPopup) << "a dismissed menu takes no pick";
    w.session.run(pressMass, 1);
    EXPECT_EQ(w.session.choose(kilogram), Session::Pick::Chosen);
    EXPECT_EQ(w.session.choose(kilogram), Session::Pick::NoPopup) << "a pick closes the menu";
}
}  // namespace
}  // namespace quantivex
