#include "dialogs/customgenerationdialog.h"

#include "dialogs/templatepreviewmodel.h"
#include "dialogs/tokenbrowser.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const HistoryKey = "customGeneration/templates";

} // namespace

CustomGenerationDialog::CustomGenerationDialog(const ItemStore& store, MetadataReader& reader,
                                               QWidget* parent)
    : QDialog(parent), m_cache(reader), m_lines(store)
{
    setWindowTitle(tr("Custom generation"));
    auto* layout = new QVBoxLayout(this);
    auto* templateLabel = new QLabel(tr("Te&mplate:"), this);
    layout->addWidget(templateLabel);
    m_template = new QComboBox(this);
    m_template->setEditable(true);
    m_template->setInsertPolicy(QComboBox::NoInsert);
    m_template->addItems(history());
    m_template->setEditText(m_template->count() > 0 ? m_template->itemText(0)
                                                    : QStringLiteral("[N]"));
    templateLabel->setBuddy(m_template);
    layout->addWidget(m_template);
    m_error = new QLabel(this);
    m_error->setStyleSheet(QStringLiteral("color: #b00000"));
    layout->addWidget(m_error);
    m_counts = new QLabel(this);
    layout->addWidget(m_counts);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    m_model = new TemplatePreviewModel(m_lines, this);
    m_preview = new QTreeView(splitter);
    m_preview->setRootIsDecorated(false);
    // Rows of one height: the view then asks only for the rows in sight.
    m_preview->setUniformRowHeights(true);
    m_preview->setModel(m_model);
    m_preview->header()->setSectionResizeMode(QHeaderView::Interactive);
    m_preview->header()->resizeSection(0, 260);
    m_preview->header()->resizeSection(1, 260);
    m_tokens = new TokenBrowser(splitter);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    m_countTimer.setSingleShot(true);
    connect(&m_countTimer, &QTimer::timeout, this, &CustomGenerationDialog::countSlice);
    connect(m_template, &QComboBox::editTextChanged, this, [this] { updatePreview(); });
    connect(m_tokens, &TokenBrowser::tokenChosen, this, &CustomGenerationDialog::insertToken);
    connect(m_preview->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { showTokenValues(); });

    // The preview starts at the line that has the focus in the list, when it is selected.
    const int current = store.currentLine();
    int focus = 0;
    while (focus + 1 < m_lines.lineCount() && m_lines.position(focus) < current)
        ++focus;
    resize(760, 600);
    updatePreview();
    if (m_lines.lineCount() > 0) {
        m_preview->setCurrentIndex(m_model->index(focus, 0));
        m_preview->scrollTo(m_model->index(focus, 0));
    }
    showTokenValues();
    m_template->lineEdit()->selectAll();
    m_template->setFocus();
}

CustomGenerationDialog::~CustomGenerationDialog() = default;

QString CustomGenerationDialog::templateText() const
{
    return m_template->currentText();
}

QString CustomGenerationDialog::countsText(const TemplatePreview::Counts& counts)
{
    return tr("Names that change: %1 · clashes: %2 · refused: %3")
        .arg(counts.changed)
        .arg(counts.clashes)
        .arg(counts.refused);
}

void CustomGenerationDialog::updatePreview()
{
    const NameTemplate parsed = NameTemplate::parse(templateText());
    m_ok->setEnabled(parsed.isValid());
    m_error->setText(parsed.errorMessage());
    m_lines.setTemplate(parsed, m_cache);
    m_model->refresh();
    m_counts->setText(parsed.isValid() ? tr("Counting...") : QString());
    if (parsed.isValid())
        m_countTimer.start(CountDelayMs);
    else
        m_countTimer.stop();
}

void CustomGenerationDialog::countSlice()
{
    QElapsedTimer clock;
    clock.start();
    if (!m_lines.countMore([&] { return clock.elapsed() < CountSliceMs; })) {
        m_counts->setText(
            tr("Counting: %1 of %2 lines").arg(m_lines.counts().counted).arg(m_lines.lineCount()));
        m_countTimer.start(0);
        return;
    }
    m_counts->setText(countsText(m_lines.counts()));
    // The clashes are known now: mark them.
    m_model->refresh();
}

int CustomGenerationDialog::focusLine() const
{
    const QModelIndex current = m_preview->currentIndex();
    return current.isValid() ? current.row() : 0;
}

void CustomGenerationDialog::showTokenValues()
{
    const int line = focusLine();
    m_tokens->showValues([this, line](const QString& token) {
        return m_lines.valueAt(NameTemplate::parse(token), line, m_cache);
    });
}

void CustomGenerationDialog::insertToken(const QString& token)
{
    m_template->lineEdit()->insert(token);
    m_template->setFocus();
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
