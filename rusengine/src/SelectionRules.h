// Reading selection: narrows the candidate readings of a sentence's slots
// with a fixed sequence of rules that look only at class codes, form ids,
// flags and neighbouring slots, and removes repeated texts after
// generation. A rule never removes a slot's last reading.
#pragma once

#include <cstdint>

#include "Records.h"
#include "zentrok/Classes_Trg.h"

namespace rusengine {

class TDB_standard;

// Class masks.
inline constexpr uint16_t kMaskAdjective = 0x12;  // verbal adjective, adjective
inline constexpr uint16_t kMaskNominal = 0x30;    // adjective, noun
inline constexpr uint16_t kMaskAgreeing = 0x32;   // verbal adjective, adjective, noun

// index = the first reading whose class meets mask (the reading count when
// none does); true when one exists.
bool FindClass(const TTransUnits& readings, uint16_t mask, int& index);
// Keeps reading k alone (exclusive) or every reading of its class; does
// nothing to a slot with at most one reading.
void KeepReading(TTransKit& slot, int k, bool exclusive);
// Removes reading k when forced or when the slot has another reading.
bool DeleteReading(TTransKit& slot, int k, bool force);

// The rules, in the order ResolveReadings runs them.
void KeepPreferredClass(TTransKits& kits);
void ChooseNounNumber(TTransKits& kits);
void PreferNominative(TTransKits& kits);
void MoveNegation(TTransKits& kits);
// Moves prepositions from adjectives to their nouns and resolves each
// noun reading's preposition row and Tatar case with nouns.ChoosePreposition.
void AttachPrepositions(TTransKits& kits, const TDB_standard& nouns);
void ResolveReadings(TTransKits& kits, const TDB_standard& nouns);

// After generation: drops every reading whose text (case ignored) an
// earlier reading of the sentence already produced, unless it is its slot's
// last. seen is a scratch list, left empty.
void RemoveRepeats(TTransKits& kits, zentrok::TWideStringList& seen);

}  // namespace rusengine
