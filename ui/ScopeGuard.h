#pragma once
// Undo by scope: what a function sets up for the time it runs (a flag, a batch of
// updates, a saved device context, a borrowed handle) is put back when the function
// leaves, by return or by exception alike.
#include <utility>

// Runs `undo` when the scope ends.
template <class F>
class [[nodiscard]] TScopeExit {
 public:
  explicit TScopeExit(F undo) : FUndo(std::move(undo)) {}
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;
  ~TScopeExit() { FUndo(); }

 private:
  F FUndo;
};

// Gives `variable` the value `value` while the scope runs, then its old value back:
// re-entrancy flags and the like.
template <class T>
class [[nodiscard]] TValueScope {
 public:
  TValueScope(T& variable, T value) : FVariable(variable), FOld(std::exchange(variable, std::move(value))) {}
  TValueScope(const TValueScope&) = delete;
  TValueScope& operator=(const TValueScope&) = delete;
  ~TValueScope() { FVariable = std::move(FOld); }

 private:
  T& FVariable;
  T FOld;
};

// Holds a BeginUpdate of anything that has BeginUpdate and EndUpdate (a string list,
// a control) for the scope.
template <class T>
class [[nodiscard]] TUpdateScope {
 public:
  explicit TUpdateScope(T& target) : FTarget(target) { FTarget.BeginUpdate(); }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;
  ~TUpdateScope() { FTarget.EndUpdate(); }

 private:
  T& FTarget;
};
