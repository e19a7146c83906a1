#include "sign_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "batch_recorder.h"
#include "control_names.h"

namespace vt {

QString SignDialog::AccountName() {
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? qEnvironmentVariable("USERNAME") : user;
}

SignDialog::SignDialog(BatchRecorder& recorder, std::int64_t batchId, QWidget* parent)
    : QDialog(parent), m_recorder(recorder), m_batch(batchId) {
    setObjectName(QStringLiteral("SignDialog"));
    setWindowTitle(QStringLiteral("签名"));
    m_name = new QLineEdit(this);
    NameCaptionlessControl(m_name, QStringLiteral("SignName"));
    m_meaning = new QComboBox(this);
    m_meaning->addItems({QStringLiteral("审核"), QStringLiteral("批准")});
    NameCaptionlessControl(m_meaning, QStringLiteral("SignMeaning"));
    m_comment = new QLineEdit(this);
    NameCaptionlessControl(m_comment, QStringLiteral("SignComment"));
    m_message = new QLabel(this);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &SignDialog::sign);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("姓名"), m_name);
    form->addRow(QStringLiteral("含义"), m_meaning);
    form->addRow(QStringLiteral("说明"), m_comment);
    form->addRow(QStringLiteral("账户"), new QLabel(AccountName(), this));
    form->addRow(m_message);
    form->addRow(buttons);
}

void SignDialog::sign() {
    QString error;
    if (m_recorder.sign(m_batch, m_name->text(), m_meaning->currentText(), m_comment->text(),
                        AccountName(), &error))
        accept();
    else
        m_message->setText(error);
}

}  // namespace vt
