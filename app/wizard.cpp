#include "app/wizard.h"

#include "app/cli.h"
#include "app/filesizelimit.h"
#include "app/sessionend.h"
#include "app/tfrmabout.h"
#include "app/tfrmmain.h"
#include "docgen/step7.h"
#include "online/step9.h"
#include "pages/step1.h"
#include "pages/step2.h"
#include "pages/step3approval.h"
#include "pages/step3os.h"
#include "pages/step3owner.h"
#include "pages/step4.h"
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

} // namespace

std::unique_ptr<TfrmMain> createWizard(UiSeam& seam, const QStringList& arguments) {
    ignoreFileSizeSignal();
    auto main = std::make_unique<TfrmMain>(seam);
    QStringList projectArguments = arguments;
    main->setExtendedMode(projectArguments.removeAll(extendedOption()) > 0);
    main->FormCreate(projectArguments);
    new SessionEnd(*main);
    Windows& w = main->windows();
    create(*main, w.about);
    create(*main, w.step8, *main);
    create(*main, w.addMenuItem);
    create(*main, w.step2, *main);
    create(*main, w.step3owner, *main);
    create(*main, w.step4, *main);
    create(*main, w.step5, *main);
    create(*main, w.step6, *main);
    create(*main, w.step1, *main);
    create(*main, w.step7, *main);
    create(*main, w.step9, *main);
    create(*main, w.step3os, *main);
    create(*main, w.step3approval, *main);
    // A project from the command line was read before the pages existed; they fill
    // themselves from it now.
    if (!main->ProjectText.isEmpty()) {
        Q_EMIT main->projectReplaced();
        main->TZread();
    }
    return main;
}
