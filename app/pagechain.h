#pragma once

#include <optional>

// The pages of the wizard's chain.
enum class Page {
    Step1,
    Step2,
    Step3os,
    Step3owner,
    Step3approval,
    Step4,
    Step5,
    Step6,
    Step6text,
    Step7,
    Step8,
    Step9
};

// What the way through the chain depends on.
struct ChainState {
    bool extended = false;    // the extended mode
    bool menuChecked = false; // "Главное меню" on the program-type page
};

// Where "Далее >>" and "<<  Вернуться" lead from a page; nothing where the page has no such
// way. The default and the extended chain are one table.
std::optional<Page> nextPage(Page from, ChainState state);
std::optional<Page> previousPage(Page from, ChainState state);
