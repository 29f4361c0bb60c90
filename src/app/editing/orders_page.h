#pragma once
// The "Orders" tab: the four orders of the current flight group as one-line descriptions, and
// the group "Editing order" that edits one of them in every selected flight group.

#include <array>
#include <functional>

#include "app/document/mission_document.h"
#include "app/editing/fg_widgets.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QPushButton;

namespace app {

class OrderLabel;

class OrdersPage : public FlightGroupTab {
  Q_OBJECT
 public:
  OrdersPage(const EditorContext& context, QWidget* parent = nullptr);

  // The order being edited (0..3).
  int editedOrder() const { return order_; }
  // Order n (0..3) becomes the edited one; the editing group shows it.
  void editOrder(int n);
  // Runs after an order from the clipboard was written: the focus goes back to the list.
  std::function<void()> onOrderUsed;

 signals:
  // Double-click on order label n (0..3): the order clipboard's way in.
  void labelDoubleClicked(int n);

 protected:
  void doFill() override;
  void clearValues() override;
  void showEvent(QShowEvent* e) override;

 private:
  // The constructor's steps: the controls, their fields, their handlers.
  void buildControls();
  QWidget* buildOrderLines();
  QWidget* buildEditingGroup();
  QLayout* buildOrderRow(QWidget* editing);
  QLayout* buildSpeedGrid(QWidget* editing);
  QLayout* buildDescriptionRow(QWidget* editing);
  QWidget* buildTargetPanel(QWidget* parent, const QString& title, const char* name,
                            std::size_t first, QCheckBox*& either, const char* eitherName,
                            QLabel*& plus, const char* plusName);
  void bindFields();
  void connectSignals();
  void onChanged(Changes what);
  void loadItems();
  void fillEditing();
  // "Add to Clipboard": the edited order as the clipboard takes it.
  void addToClipboard();
  // The order clipboard for order n (0..3): "&Use" writes the chosen order over order n of every
  // selected flight group.
  void useClipboard(int n);
  void classChosen(std::size_t n, int type);

  std::array<OrderLabel*, 4> labels_{};
  QLabel* orderLab_;
  QComboBox* orderBox_;
  QLabel* explanation_;
  QComboBox* throttle_;
  QComboBox* speed_;
  QLabel* p1Lab_;
  QLabel* p2Lab_;
  NumberSpin* p1_;
  NumberSpin* p2_;
  std::array<QComboBox*, 4> class_{};
  std::array<QComboBox*, 4> index_{};
  QCheckBox* oneAnd2_;
  QCheckBox* threeAnd4_;
  QLabel* priLab_;
  QLabel* secLab_;
  QComboBox* description_;
  QPushButton* addToClip_;
  QLabel* unknowns_;
  int order_ = 0;
  int shownGroup_ = -1;
};

}  // namespace app
