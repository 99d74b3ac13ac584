#pragma once

#include <QString>

class QPlainTextEdit;

// The memo's whole text with its lines joined by CR LF; no-break spaces are kept.
QString memoText(const QPlainTextEdit* memo);
