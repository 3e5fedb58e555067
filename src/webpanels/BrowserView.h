#pragma once
// What a web panel needs of a browser. The real one wraps the web engine;
// tests use a scripted fake. Every call and every event is on the UI thread.
#include <QString>
#include <functional>

class IBrowserView {
public:
    // Tells the panel that owns these events, so it never reaches a view that is gone
    // (windows delete their browsers before or after their panels, in either order).
    virtual ~IBrowserView()
    {
        if (OnDestroyed)
            OnDestroyed();
    }

    virtual void Navigate(const QString &address) = 0;
    // Reloads the current page.
    virtual void Refresh() = 0;
    // A silent browser shows no dialogs of its own (script alerts, prompts, errors).
    virtual void SetSilent(bool silent) = 0;
    // Sets the margin of the current top document's body to "0px"; reports whether the
    // document had a body (may answer later, but on the UI thread).
    virtual void SetBodyMarginZero(std::function<void(bool hadBody)> done) = 0;

    // Events, set by the panel.
    std::function<void()> OnNavigateComplete;
    // topDocument: the event names the browser's own top document, not a frame in it.
    std::function<void(bool topDocument)> OnDocumentComplete;
    std::function<void()> OnNavigateError;
    std::function<void()> OnDestroyed;
};
