#pragma once
// The data status line as a screen reader meets it: a status bar named "Data files" whose text
// and value are the whole status, so that a load warning reaches the reader.

#include "TReadOnlyAccessibleText.h"

class TStatusLine;

class TStatusLineAccessible final : public TShownTextAccessible {
public:
    explicit TStatusLineAccessible(TStatusLine* statusLine);

    QString AccessibleText() const override;
};
