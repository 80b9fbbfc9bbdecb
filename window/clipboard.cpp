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

}  // namespace quantivex
