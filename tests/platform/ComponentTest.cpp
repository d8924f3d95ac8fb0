#include "platform/core/Component.h"
#include "platform/core/ComponentList.h"
#include "platform/core/Exceptions.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vx {
namespace {

// Logs what it hears and keeps one reference that it clears when the target goes away.
class TWatcher : public TComponent {
  VX_CLASS_NAME(TWatcher)
public:
  TWatcher(TComponent* Owner, std::vector<std::string>* Log, std::string Tag)
      : TComponent(Owner), FLog(Log), FTagText(std::move(Tag)) {}
  ~TWatcher() override {
    if (FLog) FLog->push_back("destroy " + FTagText);
  }
  void Watch(TComponent* Target) {
    if (FTarget) FTarget->RemoveFreeNotification(this);
    FTarget = Target;
    if (FTarget) FTarget->FreeNotification(this);
  }
  TComponent* Target() const { return FTarget; }
  bool SawDestroyingSender = false;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (FLog)
      FLog->push_back(FTagText + (Operation == opInsert ? " +" : " -") +
                      (AComponent ? AComponent->Name() : std::string("?")));
    if (Operation == opRemove && AComponent == FTarget) {
      SawDestroyingSender = AComponent->ComponentState().Contains(csDestroying);
      FTarget = nullptr;
    }
  }

private:
  std::vector<std::string>* FLog;
  std::string FTagText;
  TComponent* FTarget = nullptr;
};

TEST(Component, OwnerDestroysOwnedComponentsLastFirst) {
  std::vector<std::string> Log;
  auto Owner = std::make_unique<TComponent>();
  new TWatcher(Owner.get(), &Log, "a");
  auto* B = new TWatcher(Owner.get(), &Log, "b");
  new TWatcher(B, &Log, "b1");
  ASSERT_EQ(Owner->ComponentCount(), 2);
  EXPECT_EQ(Owner->Components(1), B);
  EXPECT_EQ(B->Owner(), Owner.get());
  EXPECT_EQ(B->ComponentIndex(), 1);
  Log.clear();
  Owner.reset();
  // b goes first (last owned), its own component before it; then a.
  const std::vector<std::string> Expected{"destroy b", "destroy b1", "destroy a"};
  std::vector<std::string> Destroys;
  for (const auto& L : Log)
    if (L.rfind("destroy", 0) == 0) Destroys.push_back(L);
  EXPECT_EQ(Destroys, Expected);
}

TEST(Component, DeletingAnOwnedComponentLeavesTheOwnerAndTellsSiblings) {
  std::vector<std::string> Log;
  TComponent Owner;
  auto* A = new TWatcher(&Owner, &Log, "a");
  A->SetName("A");
  auto* B = new TWatcher(&Owner, &Log, "b");
  B->SetName("B");
  Log.clear();
  delete B;
  EXPECT_EQ(Owner.ComponentCount(), 1);
  EXPECT_EQ(Owner.FindComponent("b"), nullptr);
  EXPECT_EQ(Log, (std::vector<std::string>{"destroy b", "a -B"}));
  EXPECT_THROW(Owner.Components(1), EListError);
}

TEST(Component, FreeNotificationWorksBothWaysAndClearsReferences) {
  std::vector<std::string> Log;
  auto A = std::make_unique<TWatcher>(nullptr, &Log, "a");
  auto B = std::make_unique<TWatcher>(nullptr, &Log, "b");
  A->SetName("A");
  B->SetName("B");
  A->Watch(B.get());
  B->Watch(A.get());
  A->Watch(B.get()); // linking again keeps one link
  B.reset();
  EXPECT_EQ(A->Target(), nullptr);
  EXPECT_TRUE(A->SawDestroyingSender);
  EXPECT_EQ(std::count(Log.begin(), Log.end(), "a -B"), 1);

  auto C = std::make_unique<TWatcher>(nullptr, &Log, "c");
  C->Watch(A.get());
  A.reset(); // the watcher of a dying component hears it, in the other direction too
  EXPECT_EQ(C->Target(), nullptr);
}

TEST(Component, RemovedLinkSendsNothing) {
  std::vector<std::string> Log;
  TWatcher A(nullptr, &Log, "a");
  auto B = std::make_unique<TComponent>();
  A.Watch(B.get());
  A.Watch(nullptr);
  Log.clear();
  B.reset();
  EXPECT_TRUE(Log.empty());
}

// A Notification override that forgets the base must not make destruction spin.
class TForgetful : public TComponent {
  VX_CLASS_NAME(TForgetful)
public:
  using TComponent::TComponent;
  int Heard = 0;

protected:
  void Notification(TComponent*, TOperation) override { ++Heard; }
};

TEST(Component, NotificationWithoutBaseCallDoesNotHang) {
  TForgetful Listener;
  {
    TComponent Target;
    Target.FreeNotification(&Listener);
  }
  EXPECT_EQ(Listener.Heard, 1);
}

TEST(Component, InsertNotificationReachesOwnerAndSiblings) {
  std::vector<std::string> Log;
  TWatcher Owner(nullptr, &Log, "owner");
  auto* A = new TWatcher(&Owner, &Log, "a");
  (void)A;
  Log.clear();
  TComponent* B = new TComponent();
  B->SetName("B");
  Owner.InsertComponent(B);
  EXPECT_EQ(Log, (std::vector<std::string>{"a +B", "owner +B"}));
  EXPECT_EQ(B->Owner(), &Owner);
}

TEST(Component, InsertMovesBetweenOwnersAndRefusesCycles) {
  TComponent First;
  TComponent Second;
  auto* C = new TComponent(&First);
  Second.InsertComponent(C);
  EXPECT_EQ(First.ComponentCount(), 0);
  EXPECT_EQ(C->Owner(), &Second);
  EXPECT_THROW(C->InsertComponent(&Second), EComponentError);
  EXPECT_THROW(C->InsertComponent(C), EComponentError);
  Second.RemoveComponent(C);
  EXPECT_EQ(C->Owner(), nullptr);
  delete C;
}

TEST(Component, NamesAreIdentifiersUniqueAmongSiblings) {
  TComponent Owner;
  auto* A = new TComponent(&Owner);
  auto* B = new TComponent(&Owner);
  A->SetName("Panel1");
  EXPECT_THROW(B->SetName("panel1"), EComponentError);
  EXPECT_THROW(B->SetName("1Panel"), EComponentError);
  EXPECT_THROW(B->SetName("Pa nel"), EComponentError);
  B->SetName("_Panel2");
  EXPECT_EQ(Owner.FindComponent("PANEL1"), A);
  A->SetName("PANEL1"); // a change of case only is no clash with itself
  EXPECT_EQ(A->Name(), "PANEL1");
  B->SetName("");
  B->SetName("");
  try {
    B->SetName("Panel1");
    FAIL();
  } catch (const EComponentError& E) {
    EXPECT_STREQ(E.what(), "A component named Panel1 already exists");
  }
  // Inserting a component whose name clashes is refused and changes nothing.
  TComponent Other;
  auto* Clash = new TComponent(&Other);
  Clash->SetName("Panel1");
  EXPECT_THROW(Owner.InsertComponent(Clash), EComponentError);
  EXPECT_EQ(Clash->Owner(), &Other);
}

TEST(Component, DesigningStateAndTag) {
  TComponent Owner;
  Owner.SetDesigning(true);
  auto* C = new TComponent(&Owner);
  EXPECT_TRUE(C->ComponentState().Contains(csDesigning));
  Owner.SetDesigning(false);
  EXPECT_FALSE(C->ComponentState().Contains(csDesigning));
  C->SetTag(reinterpret_cast<std::intptr_t>(&Owner));
  EXPECT_EQ(reinterpret_cast<TComponent*>(C->Tag()), &Owner);
}

class TCountingList : public TComponentList {
public:
  using TComponentList::TComponentList;
  int RemovedCount = 0;

protected:
  void Removed(TComponent*) override { ++RemovedCount; }
};

TEST(ComponentList, ForgetsComponentsDestroyedElsewhere) {
  TCountingList List(false);
  auto A = std::make_unique<TComponent>();
  auto B = std::make_unique<TComponent>();
  List.Add(A.get());
  List.Add(B.get());
  List.Add(A.get());
  A.reset();
  ASSERT_EQ(List.Count(), 1);
  EXPECT_EQ(List[0], B.get());
  EXPECT_EQ(List.RemovedCount, 2);
  EXPECT_EQ(List.Extract(B.get()), B.get());
  EXPECT_EQ(List.Count(), 0);
  B.reset(); // no longer watched: nothing happens to the list
  EXPECT_EQ(List.RemovedCount, 3);
  EXPECT_THROW(List.Delete(0), EListError);
}

TEST(ComponentList, OwningListDestroysItsComponents) {
  std::vector<std::string> Log;
  TComponent Owner;
  {
    TComponentList List(true);
    List.Add(new TWatcher(nullptr, &Log, "free"));
    List.Add(new TWatcher(&Owner, &Log, "owned")); // also owned by a component
    auto* Kept = new TWatcher(nullptr, &Log, "kept");
    List.Add(Kept);
    EXPECT_EQ(List.Extract(Kept), Kept);
    delete Kept;
    List.Delete(0);
    EXPECT_EQ(Log.back(), "destroy free");
  }
  EXPECT_EQ(Log.back(), "destroy owned");
  EXPECT_EQ(Owner.ComponentCount(), 0);
}

} // namespace
} // namespace vx
