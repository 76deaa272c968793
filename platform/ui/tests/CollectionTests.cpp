#include <gtest/gtest.h>

#include <vector>

#include "platform/rtl/Exception.h"
#include "platform/ui/TCollection.h"

namespace plat {
namespace {

class TColumn : public TCollectionItem {
 public:
  explicit TColumn(TCollection* Collection) : TCollectionItem(Collection), Width(64) {}
  int Width;
  String Title;
  void SetWidth(int value) {
    Width = value;
    Changed(false);
  }
  void Assign(const TPersistent* Source) override {
    if (const auto* column = dynamic_cast<const TColumn*>(Source)) {
      Width = column->Width;
      Title = column->Title;
      return;
    }
    TCollectionItem::Assign(Source);
  }
};

class TPlainItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
};

// Records every Update, and what the item it names looked like then.
class TColumns : public TOwnedCollection {
 public:
  explicit TColumns(TPersistent* AOwner) : TOwnedCollection(AOwner, CollectionItemClass<TColumn>()) {}
  std::vector<String> Updates;

  TColumn* Column(int index) const { return static_cast<TColumn*>(Items(index)); }
  std::vector<int> Ids() const {
    std::vector<int> ids;
    for (int i = 0; i < Count(); ++i) ids.push_back(Items(i)->ID());
    return ids;
  }

 protected:
  void Update(TCollectionItem* Item) override {
    // Every item is whole when an update comes: the widths are all set.
    String line = Item ? "item " + std::to_string(Item->Index()) : String("all");
    for (int i = 0; i < Count(); ++i) line += " " + std::to_string(Column(i)->Width);
    Updates.push_back(line);
  }
};

TEST(Collection, AddInsertDeleteKeepIdsAndTellTheOwner) {
  TPersistent owner;
  TColumns columns(&owner);
  EXPECT_EQ(columns.GetOwner(), &owner);
  for (int i = 0; i < 3; ++i) columns.Column(columns.Add()->Index())->SetWidth(10 * (i + 1));
  EXPECT_EQ(columns.Ids(), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(columns.Items(1)->GetOwner(), &columns);

  columns.Updates.clear();
  TCollectionItem* inserted = columns.Insert(1);
  EXPECT_EQ(inserted->Index(), 1);
  EXPECT_EQ(columns.Ids(), (std::vector<int>{0, 3, 1, 2}));
  columns.Delete(0);
  EXPECT_EQ(columns.Ids(), (std::vector<int>{3, 1, 2}));
  delete columns.Items(2);  // an item deleted on its own leaves the list
  EXPECT_EQ(columns.Ids(), (std::vector<int>{3, 1}));
  EXPECT_EQ(columns.FindItemID(1), columns.Items(1));
  EXPECT_EQ(columns.FindItemID(0), nullptr);
  // One update per change, each after the item was whole (64 is its start width).
  EXPECT_EQ(columns.Updates, (std::vector<String>{"all 10 64 20 30", "all 64 20 30", "all 64 20"}));
}

TEST(Collection, IndexMovesAndChangedNamesTheItem) {
  TColumns columns(nullptr);
  for (int i = 0; i < 3; ++i) columns.Add();
  columns.Updates.clear();
  TColumn* last = columns.Column(2);
  last->SetIndex(0);
  EXPECT_EQ(columns.Items(0), last);
  last->SetIndex(0);  // already there: nothing
  last->SetWidth(5);
  EXPECT_EQ(columns.Updates, (std::vector<String>{"all 64 64 64", "item 0 5 64 64"}));
  EXPECT_EQ(columns.Ids(), (std::vector<int>{2, 0, 1}));
}

TEST(Collection, UpdatesHeldUntilTheOutermostEndUpdate) {
  TColumns columns(nullptr);
  columns.BeginUpdate();
  columns.BeginUpdate();
  columns.Add();
  columns.Add()->SetIndex(0);
  columns.Column(0)->SetWidth(1);
  columns.EndUpdate();
  EXPECT_TRUE(columns.Updates.empty());
  EXPECT_EQ(columns.UpdateCount(), 1);
  columns.EndUpdate();
  columns.EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(columns.Updates, (std::vector<String>{"all 1 64"}));
  EXPECT_EQ(columns.UpdateCount(), 0);
  columns.Clear();
  EXPECT_EQ(columns.Count(), 0);
  EXPECT_EQ(columns.Updates.back(), "all");
}

TEST(Collection, IndexesOutsideTheListAreErrorsThatChangeNothing) {
  TColumns columns(nullptr);
  columns.Add();
  columns.Add();
  columns.Updates.clear();
  struct TCase {
    const char* Label;
    std::function<void()> Call;
    int Index;
  };
  const TCase cases[] = {
      {"Items(-1)", [&] { columns.Items(-1); }, -1},
      {"Items(2)", [&] { columns.Items(2); }, 2},
      {"Delete(2)", [&] { columns.Delete(2); }, 2},
      {"Insert(3)", [&] { columns.Insert(3); }, 3},
      {"Insert(-1)", [&] { columns.Insert(-1); }, -1},
      {"SetIndex(2)", [&] { columns.Items(0)->SetIndex(2); }, 2},
      {"SetIndex(-7)", [&] { columns.Items(0)->SetIndex(-7); }, -7},
      {"SetItems(5)", [&] { columns.SetItems(5, columns.Items(0)); }, 5},
  };
  for (const TCase& c : cases) {
    try {
      c.Call();
      ADD_FAILURE() << c.Label;
    } catch (const EListError& error) {
      EXPECT_EQ(error.Message(), "List index out of bounds (" + std::to_string(c.Index) + ")") << c.Label;
    }
    EXPECT_EQ(columns.Count(), 2) << c.Label;
  }
  EXPECT_EQ(columns.Ids(), (std::vector<int>{0, 1}));
  EXPECT_TRUE(columns.Updates.empty());
}

TEST(Collection, ItemsMoveBetweenCollections) {
  TColumns left(nullptr);
  TColumns right(nullptr);
  left.Add();
  TCollectionItem* moving = left.Add();
  right.Add();
  moving->SetCollection(&right);
  EXPECT_EQ(left.Count(), 1);
  EXPECT_EQ(right.Count(), 2);
  EXPECT_EQ(moving->Collection(), &right);
  EXPECT_EQ(moving->Index(), 1);
  EXPECT_EQ(moving->ID(), 1);  // numbered by its new collection
  moving->SetCollection(nullptr);
  EXPECT_EQ(moving->Index(), -1);
  EXPECT_EQ(right.Count(), 1);
  delete moving;
}

TEST(Collection, AssignCopiesItemByItem) {
  TColumns source(nullptr);
  source.Add();
  source.Column(0)->Title = "Item";
  source.Column(0)->SetWidth(120);
  source.Add();
  TColumns copy(nullptr);
  copy.Add();
  copy.Add();
  copy.Add();
  copy.Updates.clear();
  copy.Assign(&source);
  ASSERT_EQ(copy.Count(), 2);
  EXPECT_EQ(copy.Column(0)->Title, "Item");
  EXPECT_EQ(copy.Column(0)->Width, 120);
  EXPECT_EQ(copy.Updates, (std::vector<String>{"all 120 64"}));

  copy.Assign(&copy);  // itself: nothing lost
  EXPECT_EQ(copy.Count(), 2);

  TPersistent stranger;
  try {
    copy.Assign(&stranger);
    FAIL();
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "Cannot assign a TPersistent to a TColumns");
  }
  TCollection plain(CollectionItemClass<TPlainItem>());
  plain.Add();
  EXPECT_THROW(copy.Assign(&plain), EConvertError);  // a column cannot take a plain item
}

TEST(Collection, ManyItemsGoInOneStepAndSortOrdersThem) {
  TCollection list(CollectionItemClass<TCollectionItem>());
  std::vector<TCollectionItem*> items;
  for (int i = 0; i < 6; ++i) items.push_back(list.Add());
  list.DeleteItems({0, 2, 5});
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Items(0), items[1]);
  EXPECT_EQ(list.Items(1), items[3]);
  EXPECT_EQ(list.Items(2), items[4]);
  EXPECT_THROW(list.DeleteItems({1, 1}), EListError);
  EXPECT_THROW(list.DeleteItems({3}), EListError);
  EXPECT_EQ(list.Count(), 3);
  // Descending IDs: reversed, the order of the IDs given by Less.
  list.Sort([](const TCollectionItem* A, const TCollectionItem* B) { return A->ID() > B->ID(); });
  EXPECT_EQ(list.Items(0), items[4]);
  EXPECT_EQ(list.Items(2), items[1]);
  EXPECT_EQ(items[1]->Index(), 2);
}

}  // namespace
}  // namespace plat
