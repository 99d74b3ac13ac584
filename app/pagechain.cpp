#include "app/pagechain.h"

#include <span>

namespace {

enum class When { Always, Extended, Menu, ExtendedMenu };

struct Route {
    Page from;
    Page to;
    When when = When::Always;
};

// The first route of a page whose condition holds is taken. In the extended mode the
// approval page follows the company, the additional requirements are always on the way
// (their texts go into the document), the structure page is when the menu is checked, and
// the document's text comes before the document.
constexpr Route kNext[] = {
    {Page::Step1, Page::Step2},
    {Page::Step2, Page::Step3os},
    {Page::Step3os, Page::Step3owner},
    {Page::Step3owner, Page::Step3approval, When::Extended},
    {Page::Step3owner, Page::Step4},
    {Page::Step3approval, Page::Step4},
    {Page::Step4, Page::Step5, When::ExtendedMenu},
    {Page::Step4, Page::Step6, When::Extended},
    {Page::Step4, Page::Step7},
    {Page::Step5, Page::Step6},
    {Page::Step6, Page::Step6text, When::Extended},
    {Page::Step6, Page::Step7},
    {Page::Step6text, Page::Step7},
    {Page::Step7, Page::Step8},
    {Page::Step8, Page::Step9},
};

constexpr Route kBack[] = {
    {Page::Step2, Page::Step1},
    {Page::Step3os, Page::Step2},
    {Page::Step3owner, Page::Step3os, When::Extended},
    {Page::Step3owner, Page::Step2},
    {Page::Step3approval, Page::Step3owner},
    {Page::Step4, Page::Step3approval, When::Extended},
    {Page::Step4, Page::Step3owner},
    {Page::Step5, Page::Step4},
    {Page::Step6, Page::Step5, When::Menu},
    {Page::Step6, Page::Step4},
    {Page::Step6text, Page::Step6},
    {Page::Step7, Page::Step6text, When::Extended},
    {Page::Step7, Page::Step4},
    {Page::Step8, Page::Step7},
    {Page::Step9, Page::Step8},
};

bool holds(When when, ChainState state) {
    switch (when) {
    case When::Always:
        return true;
    case When::Extended:
        return state.extended;
    case When::Menu:
        return state.menuChecked;
    case When::ExtendedMenu:
        break;
    }
    return state.extended && state.menuChecked;
}

std::optional<Page> follow(std::span<const Route> routes, Page from, ChainState state) {
    for (const Route& route : routes) {
        if (route.from == from && holds(route.when, state))
            return route.to;
    }
    return std::nullopt;
}

} // namespace

std::optional<Page> nextPage(Page from, ChainState state) {
    return follow(kNext, from, state);
}

std::optional<Page> previousPage(Page from, ChainState state) {
    return follow(kBack, from, state);
}
