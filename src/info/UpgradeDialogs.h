#pragma once
// The update component's questions, messages and download progress as windows.
#include "info/AutoUpgrader.h"
#include "info/MessageSeam.h"

#include <QPointer>

#include <QProgressDialog>
class QWidget;

class TUpgradeDialogs final : public IUpgradeUi {
public:
    TUpgradeDialogs(QWidget *parent, TMessageSeam seam);
    ~TUpgradeDialogs() override;
    bool AskYesNo(const QString &title, const QString &text) override;
    void ShowMessage(const QString &title, const QString &text) override;
    void BeginProgress(const QString &title, const QString &label, std::function<void()> onCancel) override;
    void SetProgress(qint64 received, qint64 total) override;
    void EndProgress() override;

    QProgressDialog *progressDialog() const { return m_progress; }

private:
    QWidget *m_parent;
    TMessageSeam m_seam;
    QPointer<QProgressDialog> m_progress;
};
