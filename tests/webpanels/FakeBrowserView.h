#pragma once
// A scripted browser: records what the panel asks of it; the test fires its events.
#include "webpanels/BrowserView.h"

#include <QStringList>

class FakeBrowserView : public IBrowserView {
public:
    QStringList navigated;
    int refreshes = 0;
    bool silent = false;
    int silentCalls = 0;
    int marginSets = 0;
    bool hasBody = true;

    void Navigate(const QString &address) override { navigated << address; }
    void Refresh() override { ++refreshes; }
    void SetSilent(bool s) override
    {
        silent = s;
        ++silentCalls;
    }
    void SetBodyMarginZero(std::function<void(bool)> done) override
    {
        if (hasBody)
            ++marginSets;
        done(hasBody);
    }

    // A page (or frame) loaded: navigation committed, then its document completed.
    void load(bool top = true)
    {
        if (OnNavigateComplete)
            OnNavigateComplete();
        if (OnDocumentComplete)
            OnDocumentComplete(top);
    }
    void fail()
    {
        if (OnNavigateError)
            OnNavigateError();
    }
};
