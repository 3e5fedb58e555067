#include "info/UpgradeDialogs.h"

#include <QProgressDialog>

TUpgradeDialogs::TUpgradeDialogs(QWidget *parent, TMessageSeam seam) : m_parent(parent), m_seam(std::move(seam)) {}

TUpgradeDialogs::~TUpgradeDialogs()
{
    delete m_progress;
}

bool TUpgradeDialogs::AskYesNo(const QString &title, const QString &text)
{
    return m_seam.Ask && m_seam.Ask(m_parent, title, text);
}

void TUpgradeDialogs::ShowMessage(const QString &title, const QString &text)
{
    if (m_seam.Inform)
        m_seam.Inform(m_parent, title, text);
}

void TUpgradeDialogs::BeginProgress(const QString &title, const QString &label, std::function<void()> onCancel)
{
    delete m_progress;
    m_progress = new QProgressDialog(label, QStringLiteral("取消"), 0, 0, m_parent);
    m_progress->setObjectName(QStringLiteral("UpdateProgress"));
    m_progress->setWindowTitle(title);
    // Not modal: a modal progress dialog runs the event loop inside setValue, in the middle of a
    // network signal. A second check is kept out by Busy instead.
    m_progress->setWindowModality(Qt::NonModal);
    m_progress->setMinimumDuration(0);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    QObject::connect(m_progress, &QProgressDialog::canceled, m_progress, [onCancel] {
        if (onCancel)
            onCancel();
    });
    m_progress->show();
}

void TUpgradeDialogs::SetProgress(qint64 received, qint64 total)
{
    if (!m_progress)
        return;
    // The bar counts in KiB so that large files stay inside int.
    const int max = total > 0 ? int(std::max<qint64>(1, total / 1024)) : 0;
    m_progress->setMaximum(max);
    if (max > 0)
        m_progress->setValue(int(std::min<qint64>(max, received / 1024)));
}

void TUpgradeDialogs::EndProgress()
{
    if (!m_progress)
        return;
    QProgressDialog *p = m_progress;
    m_progress = nullptr;
    p->disconnect();
    p->hide();
    p->deleteLater();
}
