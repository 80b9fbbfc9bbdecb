// What a script cannot type: lone surrogates, NUL and line breaks in text that
// reaches the boxes from a paste or an input method.
#include "session.h"

#include <gtest/gtest.h>

#include "recording_platform.h"

namespace quantivex {
namespace {

struct Window {
    RecordingPlatform platform;
    Form1 form{platform};
    Session session{form};
    Window() {
        session.run("Form_Load");
        session.run("Command8_Click");
        session.run("Label2_DblClick");
    }
};

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

}  // namespace
}  // namespace quantivex
