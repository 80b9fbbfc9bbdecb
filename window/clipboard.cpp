#include "clipboard.h"

#include "equation.h"
#include "session.h"

namespace quantivex {

bool copyEquation(Session& session) {
    session.record("copy");
    Form1& form = session.form();
    const Equation equation = readEquation(form);
    if (!equation.complete()) return false;
    form.platform().setClipboardText(equation.text());
    // A copy shows nowhere else: say it was done, beside the result.
    form.platform().showNotice(form.Label1, u"式をコピーしました");
    return true;
}

bool copyNumber(Session& session) {
    session.record("copy number");
    Form1& form = session.form();
    const Equation equation = readEquation(form);
    if (!equation.complete() || equation.right.value.empty()) return false;
    form.platform().setClipboardText(equation.right.value);
    form.platform().showNotice(form.Label1, u"数値をコピーしました");
    return true;
}

}  // namespace quantivex
