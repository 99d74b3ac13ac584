#include "app/wizard.h"

#include "app/cli.h"
#include "app/filesizelimit.h"
#include "app/sessionend.h"
#include "app/tfrmabout.h"
#include "app/tfrmmain.h"
#include "online/step9.h"
#include "pages/step1.h"
#include "pages/step2.h"
#include "pages/step3approval.h"
#include "pages/step3os.h"
#include "pages/step3owner.h"
#include "pages/step4.h"
#include "pages/step6text.h"
#include "pages/step7.h"
#include "pages/step8.h"
#include "structure/addmenuitem.h"
#include "structure/step5.h"
#include "structure/step6.h"

namespace {

template <typename Window, typename... Args>
Window* create(TfrmMain& main, Window*& slot, Args&&... args) {
    slot = new Window(std::forward<Args>(args)...);
    main.adopt(slot);
    return slot;
}

// The document page sends the user back to an item of the structure left undescribed.
void describeFromStructure(TfrmMain& main) {
    Windows& w = main.windows();
    QObject::connect(w.step7, &TfrmStep7::describeItem, &main, [&main, &w](const auto* item) {
        main.DoStep(w.step7, w.step5);
        w.step5->selectItem(item);
    });
}

} // namespace

std::unique_ptr<TfrmMain> createWizard(UiSeam& seam, const QStringList& arguments) {
    ignoreFileSizeSignal();
    QStringList projectArguments = arguments;
    const bool extended = projectArguments.removeAll(extendedOption()) > 0;
    auto main = std::make_unique<TfrmMain>(seam, extended);
    main->FormCreate(projectArguments);
    new SessionEnd(*main);
    Windows& w = main->windows();
    const PageContext context = main->pageContext();
    create(*main, w.about);
    create(*main, w.step8, context);
    create(*main, w.addMenuItem);
    create(*main, w.step2, context);
    create(*main, w.step3owner, context);
    create(*main, w.step4, context);
    create(*main, w.step5, context, w.addMenuItem);
    create(*main, w.step6, context);
    create(*main, w.step1, context);
    create(*main, w.step7, context);
    create(*main, w.step9, context);
    create(*main, w.step3os, context);
    create(*main, w.step3approval, context);
    // The document's text is the extended mode's.
    if (extended)
        create(*main, w.step6text, context);
    describeFromStructure(*main);
    // A project from the command line was read before the title page existed.
    main->TZread();
    return main;
}
