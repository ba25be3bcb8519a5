// The in-process backend: automation objects that edit DocumentModel.
#include "report/automation/document_application.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>

#include "report/automation/automation_error.h"
#include "report/docx/docx_defaults.h"

namespace report {

struct DocumentApplication::State {
  DocumentDelivery deliver;
  ClipboardPicture clipboard;
  PropertiesSource properties;
  bool connected = false;
  bool visible = false;
  int32_t holds = 0;
  std::vector<std::shared_ptr<DocumentModel>> documents;
  std::vector<bool> delivered;
  int32_t active = -1;

  void requireConnection(const QString& operation) const {
    if (!connected)
      throw AutomationError(operation, QStringLiteral("нет соединения с приложением"));
  }

  void deliverPending() {
    if (!visible || holds > 0) return;
    for (size_t i = 0; i < documents.size(); ++i) {
      if (delivered[i]) continue;
      // Marked first: a document whose delivery failed is not tried again.
      delivered[i] = true;
      deliver(*documents[i]);
    }
  }
};

namespace {

using State = DocumentApplication::State;

// A reference the client holds until it calls Release.
class Hold {
 public:
  explicit Hold(std::shared_ptr<State> state) : state_(std::move(state)) { ++state_->holds; }
  ~Hold() { drop(); }
  Hold(const Hold&) = delete;
  Hold& operator=(const Hold&) = delete;

  void release() {
    if (drop()) state_->deliverPending();
  }

 private:
  bool drop() {
    if (released_) return false;
    released_ = true;
    --state_->holds;
    return true;
  }

  std::shared_ptr<State> state_;
  bool released_ = false;
};

class ModelRange : public WordRange {
 public:
  ModelRange(const DocumentModel* document, InsertionPoint point)
      : document(document), point(point) {}
  const DocumentModel* document;
  InsertionPoint point;
};

class ModelCell : public WordCell {
 public:
  ModelCell(std::shared_ptr<DocumentModel> document, int32_t table, int32_t row, int32_t column)
      : document_(std::move(document)), table_(table), row_(row), column_(column) {}
  bool Select() override { return document_->selectCell(table_, row_, column_); }

 private:
  std::shared_ptr<DocumentModel> document_;
  int32_t table_, row_, column_;
};

class ModelTable : public WordTable {
 public:
  ModelTable(std::shared_ptr<DocumentModel> document, int32_t index)
      : document_(std::move(document)), index_(index) {}

  std::shared_ptr<WordCell> Cell(int32_t row, int32_t column) override {
    const Table* table = document_->table(index_);
    if (table == nullptr || row < 1 || row > table->rowCount() || column < 1 ||
        column > table->columnCount())
      throw AutomationError(QStringLiteral("Table.Cell"),
                            QStringLiteral("в таблице нет ячейки (%1, %2)").arg(row).arg(column));
    return std::make_shared<ModelCell>(document_, index_, row - 1, column - 1);
  }

 private:
  std::shared_ptr<DocumentModel> document_;
  int32_t index_;
};

class ModelTables : public WordTables {
 public:
  ModelTables(std::shared_ptr<State> state, std::shared_ptr<DocumentModel> document)
      : hold_(std::move(state)), document_(std::move(document)) {}

  std::shared_ptr<WordTable> Add(const WordRange& range, int32_t numRows,
                                 int32_t numColumns) override {
    const QString operation = QStringLiteral("Tables.Add");
    const auto* at = dynamic_cast<const ModelRange*>(&range);
    if (at == nullptr || at->document != document_.get())
      throw AutomationError(operation, QStringLiteral("диапазон из другого документа"));
    const int32_t index = countTablesBefore(at->point.block);
    const QString failure = document_->addTable(at->point, numRows, numColumns);
    if (!failure.isEmpty()) throw AutomationError(operation, failure);
    return std::make_shared<ModelTable>(document_, index);
  }

  std::shared_ptr<WordTable> Item(int32_t index) override {
    if (index < 1 || index > document_->tableCount())
      throw AutomationError(QStringLiteral("Tables.Item"),
                            QStringLiteral("в документе нет таблицы номер %1").arg(index));
    return std::make_shared<ModelTable>(document_, index - 1);
  }

  void Release() override { hold_.release(); }

 private:
  int32_t countTablesBefore(int32_t block) const {
    int32_t count = 0;
    const auto& blocks = document_->blocks();
    for (int32_t i = 0; i < block && i < static_cast<int32_t>(blocks.size()); ++i)
      count += std::holds_alternative<Table>(blocks[i]) ? 1 : 0;
    return count;
  }

  Hold hold_;
  std::shared_ptr<DocumentModel> document_;
};

class ModelFont : public WordFont {
 public:
  explicit ModelFont(std::shared_ptr<DocumentModel> document) : document_(std::move(document)) {}

  bool SetBold(bool bold) override {
    return change([bold](RunFormat& format) { format.bold = bold; });
  }
  bool SetItalic(bool italic) override {
    return change([italic](RunFormat& format) { format.italic = italic; });
  }
  bool SetSubscript(bool subscript) override { return align(VerticalAlign::Subscript, subscript); }
  bool SetSuperscript(bool superscript) override {
    return align(VerticalAlign::Superscript, superscript);
  }

 private:
  template <typename Change>
  bool change(Change apply) {
    RunFormat format = document_->font();
    apply(format);
    document_->setFont(format);
    return true;
  }
  // Turning one script off leaves the other as it was.
  bool align(VerticalAlign script, bool on) {
    return change([script, on](RunFormat& format) {
      if (on)
        format.script = script;
      else if (format.script == script)
        format.script = VerticalAlign::Baseline;
    });
  }

  std::shared_ptr<DocumentModel> document_;
};

class ModelSelection : public WordSelection {
 public:
  ModelSelection(std::shared_ptr<State> state, std::shared_ptr<DocumentModel> document)
      : state_(state), hold_(std::move(state)), document_(std::move(document)) {}

  bool Paste() override {
    const QImage image = state_->clipboard ? state_->clipboard() : QImage();
    if (image.isNull()) return false;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    // The picture spans the text width: say so in its resolution, for whoever extracts it.
    QImage printed = image;
    const int dotsPerMeter = qRound(image.width() / (engine::kTextWidthTwips / 56692.9));
    printed.setDotsPerMeterX(dotsPerMeter);
    printed.setDotsPerMeterY(dotsPerMeter);
    if (!printed.save(&buffer, "PNG")) return false;
    Picture picture;
    picture.png = png.toStdString();
    picture.width = image.width();
    picture.height = image.height();
    document_->insertPicture(std::move(picture));
    return true;
  }

  bool TypeParagraph() override {
    document_->typeParagraph();
    return true;
  }

  bool TypeText(const QString& text) override {
    document_->typeText(text);
    return true;
  }

  std::shared_ptr<WordRange> Range() override {
    return std::make_shared<ModelRange>(document_.get(), document_->insertionPoint());
  }

  std::shared_ptr<WordFont> Font() override { return std::make_shared<ModelFont>(document_); }

  int32_t MoveDown(int32_t unit, int32_t count) override {
    const QString operation = QStringLiteral("Selection.MoveDown");
    if (unit != kWdLine)
      throw AutomationError(operation,
                            QStringLiteral("единица перемещения %1 не поддерживается").arg(unit));
    if (count < 0)
      throw AutomationError(operation, QStringLiteral("недопустимое число строк %1").arg(count));
    return document_->moveDown(count);
  }

  void Release() override { hold_.release(); }

 private:
  std::shared_ptr<State> state_;
  Hold hold_;
  std::shared_ptr<DocumentModel> document_;
};

class ModelDocument : public WordDocument {
 public:
  ModelDocument(std::shared_ptr<State> state, std::shared_ptr<DocumentModel> document)
      : state_(std::move(state)), document_(std::move(document)) {}
  std::shared_ptr<WordTables> Tables() override {
    return std::make_shared<ModelTables>(state_, document_);
  }

 private:
  std::shared_ptr<State> state_;
  std::shared_ptr<DocumentModel> document_;
};

class ModelDocuments : public WordDocuments {
 public:
  explicit ModelDocuments(std::shared_ptr<State> state) : state_(std::move(state)) {}
  std::shared_ptr<WordDocument> Add() override {
    state_->requireConnection(QStringLiteral("Documents.Add"));
    state_->documents.push_back(std::make_shared<DocumentModel>());
    if (state_->properties) state_->documents.back()->setProperties(state_->properties());
    state_->delivered.push_back(false);
    state_->active = static_cast<int32_t>(state_->documents.size()) - 1;
    return std::make_shared<ModelDocument>(state_, state_->documents.back());
  }

 private:
  std::shared_ptr<State> state_;
};

std::shared_ptr<DocumentModel> activeDocument(State& state, const QString& operation) {
  state.requireConnection(operation);
  if (state.active < 0) throw AutomationError(operation, QStringLiteral("нет открытого документа"));
  return state.documents[state.active];
}

}  // namespace

DocumentApplication::DocumentApplication(DocumentDelivery deliver, ClipboardPicture clipboard,
                                         PropertiesSource properties)
    : state_(std::make_shared<State>()) {
  state_->deliver = std::move(deliver);
  state_->clipboard = std::move(clipboard);
  state_->properties = std::move(properties);
}

DocumentApplication::~DocumentApplication() = default;

void DocumentApplication::Connect() { state_->connected = true; }

std::shared_ptr<WordDocuments> DocumentApplication::Documents() {
  state_->requireConnection(QStringLiteral("Application.Documents"));
  return std::make_shared<ModelDocuments>(state_);
}

std::shared_ptr<WordSelection> DocumentApplication::Selection() {
  return std::make_shared<ModelSelection>(
      state_, activeDocument(*state_, QStringLiteral("Application.Selection")));
}

std::shared_ptr<WordDocument> DocumentApplication::ActiveDocument() {
  return std::make_shared<ModelDocument>(
      state_, activeDocument(*state_, QStringLiteral("Application.ActiveDocument")));
}

bool DocumentApplication::SetVisible(bool visible) {
  if (!state_->connected) return false;
  state_->visible = visible;
  state_->deliverPending();
  return true;
}

std::vector<std::shared_ptr<const DocumentModel>> DocumentApplication::documents() const {
  return {state_->documents.begin(), state_->documents.end()};
}

QImage systemClipboardPicture() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard == nullptr ? QImage() : clipboard->image();
}

}  // namespace report
