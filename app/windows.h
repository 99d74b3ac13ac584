#pragma once

#include "app/pagechain.h"

#include <optional>

class QWidget;

class TfrmAbout;
class TfrmAddMenuItem;
class TfrmStep1;
class TfrmStep2;
class TfrmStep3os;
class TfrmStep3approval;
class TfrmStep3owner;
class TfrmStep4;
class TfrmStep5;
class TfrmStep6;
class TfrmStep6text;
class TfrmStep7;
class TfrmStep8;
class TfrmStep9;

// The single instance of every window; null until it has been created.
struct Windows {
    TfrmAbout* about = nullptr;
    TfrmStep8* step8 = nullptr;
    TfrmAddMenuItem* addMenuItem = nullptr;
    TfrmStep2* step2 = nullptr;
    TfrmStep3owner* step3owner = nullptr;
    TfrmStep4* step4 = nullptr;
    TfrmStep5* step5 = nullptr;
    TfrmStep6* step6 = nullptr;
    TfrmStep1* step1 = nullptr;
    TfrmStep7* step7 = nullptr;
    TfrmStep9* step9 = nullptr;
    TfrmStep3os* step3os = nullptr;
    TfrmStep3approval* step3approval = nullptr;
    TfrmStep6text* step6text = nullptr;

    QWidget* page(Page page) const;
    std::optional<Page> pageOf(const QWidget* window) const;
};
