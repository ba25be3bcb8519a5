// The automation layer's backend on machines without a word processor: in-process documents.
#pragma once

#include <QImage>
#include <functional>
#include <memory>

#include "report/automation/word_automation.h"
#include "report/model/document_model.h"

namespace report {

// Does what "the application is visible" means for one finished document: show it, or save it.
// Throws AutomationError when it cannot.
using DocumentDelivery = std::function<void(const DocumentModel&)>;

// What Selection.Paste takes: the picture on a clipboard, null when there is none.
using ClipboardPicture = std::function<QImage()>;

// The properties a new document gets when it is added.
using PropertiesSource = std::function<DocumentProperties()>;

// Documents live in memory. Once the application is visible and the client has let go of every
// selection and tables collection it held, each document not yet delivered is handed to
// `deliver`, in the order the documents were added; so a document is delivered complete.
// A document is handed over once: if delivering fails, the document is dropped and its
// error goes to the caller; no later report delivers it again.
class DocumentApplication : public WordApplication {
 public:
  DocumentApplication(DocumentDelivery deliver, ClipboardPicture clipboard,
                      PropertiesSource properties = {});
  ~DocumentApplication() override;

  void Connect() override;
  std::shared_ptr<WordDocuments> Documents() override;
  std::shared_ptr<WordSelection> Selection() override;
  std::shared_ptr<WordDocument> ActiveDocument() override;
  bool SetVisible(bool visible) override;

  // For tests and the companion: the documents added so far, oldest first.
  std::vector<std::shared_ptr<const DocumentModel>> documents() const;

  struct State;

 private:
  std::shared_ptr<State> state_;
};

// The picture on the system clipboard (needs a QGuiApplication).
QImage systemClipboardPicture();

}  // namespace report
