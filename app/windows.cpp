#include "app/windows.h"

#include "app/tfrmabout.h"
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
#include "structure/step5.h"
#include "structure/step6.h"

#include <array>
#include <utility>

namespace {

std::array<std::pair<Page, QWidget*>, 12> pages(const Windows& w) {
    return {{{Page::Step1, w.step1},
             {Page::Step2, w.step2},
             {Page::Step3os, w.step3os},
             {Page::Step3owner, w.step3owner},
             {Page::Step3approval, w.step3approval},
             {Page::Step4, w.step4},
             {Page::Step5, w.step5},
             {Page::Step6, w.step6},
             {Page::Step6text, w.step6text},
             {Page::Step7, w.step7},
             {Page::Step8, w.step8},
             {Page::Step9, w.step9}}};
}

} // namespace

QWidget* Windows::page(Page page) const {
    for (const auto& [id, window] : pages(*this)) {
        if (id == page)
            return window;
    }
    return nullptr;
}

std::optional<Page> Windows::pageOf(const QWidget* window) const {
    for (const auto& [id, candidate] : pages(*this)) {
        if (candidate == window)
            return id;
    }
    return std::nullopt;
}
