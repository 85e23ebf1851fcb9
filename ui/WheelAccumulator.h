#pragma once
// TWheelAccumulator: a wheel message's delta counts in steps of 120 (one notch of
// a classic wheel); high-resolution wheels and touch pads send parts of a step.
// The parts are summed and each whole step is handed on; a turn the other way
// drops the sum, as the platform's own controls do.
class TWheelAccumulator {
 public:
  static constexpr int kStep = 120;

  // Adds one message's delta; returns the whole steps now complete, positive for a
  // turn away from the user (a positive delta). The rest waits for the next turn.
  int Add(int delta) {
    if (delta == 0) return 0;
    if ((delta > 0) != (FRest > 0) && FRest != 0) FRest = 0;
    FRest += delta;
    int steps = FRest / kStep;  // truncates toward zero: the rest keeps its sign
    FRest -= steps * kStep;
    return steps;
  }
  int Rest() const { return FRest; }
  void Reset() { FRest = 0; }

 private:
  int FRest = 0;
};
