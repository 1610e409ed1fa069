#include "dialogs/customgenerationdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const char* const HistoryKey = "customGeneration/templates";

QString statusText(TemplatePreview::Status status)
{
    switch (status) {
    case TemplatePreview::Status::Ok:
        return {};
    case TemplatePreview::Status::Refused:
        return CustomGenerationDialog::tr("refused: stays as it is");
    case TemplatePreview::Status::Clash:
        return CustomGenerationDialog::tr("clash: name taken");
    }
    return {};
}

QString tokenReference()
{
    return CustomGenerationDialog::tr(
        "<b>[N]</b> name, <b>[N3-8]</b> its characters 3 to 8, <b>[O]</b> name on disk, "
        "<b>[E]</b> extension, <b>[F]</b> folder, <b>[F2]</b> parent folder<br>"
        "<b>[C]</b> counter, <b>[C:1,1,3]</b> start, step, digits; <b>[CF]</b> per folder<br>"
        "<b>[D:yyyy-MM-dd]</b> modified, <b>[X:yyyyMMdd_HHmmss]</b> photo taken<br>"
        "<b>[artist] [title] [album] [track] [track:2] [year] [genre]</b> music tags<br>"
        "<b>[[</b> and <b>]]</b> are brackets");
}

} // namespace

CustomGenerationDialog::CustomGenerationDialog(const ItemStore& store, MetadataReader& reader,
                                               QWidget* parent)
    : QDialog(parent), m_cache(reader), m_lines(store)
{
    setWindowTitle(tr("Custom generation"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Template:"), this));
    m_template = new QComboBox(this);
    m_template->setEditable(true);
    m_template->setInsertPolicy(QComboBox::NoInsert);
    m_template->addItems(history());
    m_template->setEditText(m_template->count() > 0 ? m_template->itemText(0)
                                                    : QStringLiteral("[N]"));
    layout->addWidget(m_template);
    m_error = new QLabel(this);
    m_error->setStyleSheet(QStringLiteral("color: #b00000"));
    layout->addWidget(m_error);
    m_preview = new QTreeWidget(this);
    m_preview->setHeaderLabels({tr("Name on disk"), tr("New name"), tr("Note")});
    m_preview->setRootIsDecorated(false);
    m_preview->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_preview, 1);
    auto* reference = new QLabel(tokenReference(), this);
    reference->setTextFormat(Qt::RichText);
    layout->addWidget(reference);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(m_template, &QComboBox::editTextChanged, this, [this] { updatePreview(); });
    resize(640, 480);
    updatePreview();
    m_template->lineEdit()->selectAll();
}

QString CustomGenerationDialog::templateText() const
{
    return m_template->currentText();
}

void CustomGenerationDialog::updatePreview()
{
    const NameTemplate parsed = NameTemplate::parse(templateText());
    m_ok->setEnabled(parsed.isValid());
    m_error->setText(parsed.errorMessage());
    m_preview->clear();
    for (const TemplatePreview::Line& line : m_lines.lines(parsed, m_cache)) {
        auto* row =
            new QTreeWidgetItem(m_preview, {line.onDisk, line.newLine, statusText(line.status)});
        if (line.status != TemplatePreview::Status::Ok)
            row->setForeground(1, QColor(0xb0, 0, 0));
    }
}

QStringList CustomGenerationDialog::history()
{
    return QSettings(QStringLiteral("Filevane"), QStringLiteral("Filevane"))
        .value(QLatin1String(HistoryKey))
        .toStringList()
        .mid(0, HistorySize);
}

void CustomGenerationDialog::remember(const QString& text)
{
    QStringList last = history();
    last.removeAll(text);
    last.prepend(text);
    QSettings(QStringLiteral("Filevane"), QStringLiteral("Filevane"))
        .setValue(QLatin1String(HistoryKey), last.mid(0, HistorySize));
}

std::optional<QString> CustomGenerationDialog::ask(const ItemStore& store, MetadataReader& reader,
                                                   QWidget* parent)
{
    CustomGenerationDialog dialog(store, reader, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    remember(dialog.templateText());
    return dialog.templateText();
}
