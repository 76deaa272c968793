#pragma once
// The ANSI (UTF-8) view of one TWideStrings: a TStrings whose entries are
// the wide list's, converted on every read and write. Objects, counts and
// update brackets are the wide list's own. The wide list owns its view.
#include "platform/rtl/StringList.h"

namespace plat {

class TWideStrings;

class TAnsiStringsForWideStrings : public TStrings {
 public:
  explicit TAnsiStringsForWideStrings(TWideStrings& WideStrings) : FWideStrings(WideStrings) {}

  // The wide list it shows.
  TWideStrings& WideStrings() const { return FWideStrings; }

  int Count() const override;
  String Strings(int index) const override;
  void Insert(int index, const String& s) override;
  void Delete(int index) override;
  void Clear() override;
  TObjectPtr Objects(int index) const override;
  void SetObjects(int index, TObjectPtr object) override;

 protected:
  void SetUpdateState(bool updating) override;

 private:
  TWideStrings& FWideStrings;
};

}  // namespace plat
