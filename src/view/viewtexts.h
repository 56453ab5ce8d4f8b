#pragma once
// The translation context of every text the views draw: ViewTexts::tr("Nothing...").

#include <QCoreApplication>

struct ViewTexts {
    Q_DECLARE_TR_FUNCTIONS(ViewTexts)
};
