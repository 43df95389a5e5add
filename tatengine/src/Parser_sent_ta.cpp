#include "Parser_sent_ta.h"

#include <algorithm>

#include "Common_ta.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {

TFormRus SubjectReset() {
  TFormRus f;
  f.WordClass = wcNoun;
  f.Number = 1;
  f.Case = 1;
  f.Variant = 1;
  f.Gender = 1;
  return f;
}

TSP_tat::TSP_tat() { ResetContext(); }

void TSP_tat::ResetContext() { SubjectForm = SubjectReset(); }

void TSP_tat::ParseSentence(std::u16string_view sentence) {
  Units.clear();
  if (sentence.empty() || Translator == nullptr) return;
  Tokenize(sentence);
  BuildKits();
  ApplyRules();
  ComposeText();
  Emit();
}

void TSP_tat::Tokenize(std::u16string_view s) {
  Units.clear();
  const size_t length = s.size();
  size_t p = 0;
  while (p < length) {
    size_t q = p;
    while (q < length && !IsLetter(s[q])) ++q;
    if (q > p) Units.push_back(TUnit{0, std::u16string(s.substr(p, q - p))});
    if (q >= length) break;

    // A word: letters and hyphens; one trailing hyphen is given back.
    p = q;
    while (q < length && (IsLetter(s[q]) || s[q] == u'-')) ++q;
    if (s[q - 1] == u'-') --q;
    const std::u16string_view word = s.substr(p, q - p);
    bool particle = false;
    for (std::u16string_view part : Particles)
      if (SameText(word, part)) particle = true;
    if (!particle) Units.push_back(TUnit{1, std::u16string(word)});

    // Blanks between two words never become tokens.
    size_t r = q;
    while (r < length && s[r] == u' ') ++r;
    p = (r < length && IsLetter(s[r])) ? r : q;
  }
}

void TSP_tat::BuildKits() {
  Kits.clear();
  const int count = static_cast<int>(Units.size());
  int i = 0;
  while (i < count) {
    while (i < count && Units[i].IsWord == 0) {
      Kits.push_back(SeparatorKit(Units[i].Text));
      ++i;
    }
    int j = i;
    while (j < count && Units[j].IsWord == 1) ++j;
    int s = i;
    while (s < j) {
      Kits.emplace_back();
      int stop = s + std::min(MaxPhrase, j - s) - 1;
      Translator->TranslatePhrase(s, stop, Kits, Units);
      s = std::max(stop, s + 1);
    }
    i = std::max(j, s);
  }
}

void TSP_tat::ApplyRules() {
  FirstWord = LastWord = -1;
  StartCapital = true;
  for (int k = 0; k < SlotCount(); ++k) {
    if (Kits[k].Kind == kkSeparator) continue;
    if (FirstWord < 0) FirstWord = k;
    LastWord = k;
  }
  if (FirstWord < 0) return;
  // The capital of the sentence's first word marks the sentence start, not
  // the word: it must not travel with the word when rules reorder slots.
  // Whatever slot ends up first is capitalised below.
  StartCapital = Kits[FirstWord].Capital != 0;
  Kits[FirstWord].Capital = 0;

  WhoseQuestions();
  OwnLackAdjectives();
  HavingAttributes();
  AgePhrases();
  OnTimeAdverbs();
  SubjectsOfMust();
  DateOrdinals();
  CompoundOrdinals();
  AblativePronounPostpositions();
  NounsWithNothingToQualify();
  PossessedPostpositions();
  UntilNouns();
  SoftenedOrders();
  ResolveDirectWords();
  PreferParticles();
  PreferImperatives();
  RelativeAdjectives();
  NamesWithAddress();
  ThingOwnersKeepTheBareSense();
  PostpositionsAfterHomographs();
  PossessorAdjectives();
  OldAnimals();
  CompoundHomographs();
  ResolveFirstWord();
  ResolveCountHomographs();
  PreferMeasuredNouns();
  TimelyAfterPronouns();
  ResolvePostpositionPairs();
  ResolveLastWord();
  PruneReadings();
  WeatherStates();
  ImpersonalPredicates();
  GuessUnknownWords();
  JoinedClauses();
  ApplyGlues();
  OrdinalPages();
  ResolveModifierPairs();
  ResolveVerbOrSubnoun();
  ResolveHyphenHalves();
  PreferModalInfinitives();
  PermissionWords();
  ChooseReadings();
  Benefactives();
  CoordinatedSubjects();
  HabitualAspect();
  ModalVerbs();
  VerbTenses();
  AbilityModals();
  ScheduledPresents();
  ConditionalFutures();
  WhenClauses();
  CauseClauses();
  ContextSenses();
  EchoedAdjectives();
  NounSenses();
  CaseSenses();
  RoundTrips();
  HabitualPasts();
  ActivityPasts();
  ClauseAspects();
  ErrandInfinitives();
  NeedlessInfinitives();
  DirectionWords();
  ClockTimes();
  TimeSpans();
  CountedTimes();
  OrdinalTimes();
  SinceDurations();
  PostpositionSenses();
  InstrumentSenses();
  TimeCases();
  Dates();
  ComparedPronounsWithThan();
  Comparatives();
  ComparedSameNoun();
  AttributiveComparatives();
  FacingSenses();
  FacingPlaces();
  RiverBanks();
  NearBuildings();
  MeasurePhrases();
  ComparisonDifferences();
  HalfNouns();
  MarkQualifiers();
  HomeTargets();
  WaysAlong();
  TimeOfDayLocatives();
  PlaceAttributes();
  DependentObliques();
  LackAndTopicAttributes();
  PlaceHavingAttributes();
  CollectiveNouns();
  AblativeSources();
  SplitPrepositions();
  RewriteConjunctions();
  MovePrepositions();
  MoveGlues();
  NameClauses();
  IzafetGroups();
  SwapPossessives();
  OwnersAsSubjects();
  CountQuestions();
  PastExistentials();
  ExistentialClauses();
  AgeClauses();
  CollectiveNumerals();
  NounCopulas();
  NameDemonstratives();
  SpeakerSubjects();
  InvitingPasts();
  AgreeLinkVerbs();
  AgreeNumerals();
  CountsWithOne();
  GovernCases();
  MarkObjects();
  AskedPeople();
  GovernObjects();
  ServeAs();
  AgreeModifiers();
  WomenSubjects();
  AgreeVerbs();
  CoordinatedAgreement();
  AgreeFollowers();
  StateCopulas();
  GladPredicates();
  ShortPredicates();
  OrdinalChapters();
  QuantityPredicates();
  CompoundOnes();
  CompoundNumerals();
  GovernByNumerals();
  CountedChildren();
  LargeCounts();
  GovernByQuantities();
  MotionTargets();
  TimeAccusatives();
  MoveVerbs();
  VerbGovernment();
  WeatherVerbs();
  BodyStates();
  InfinitiveComplements();
  VerbsBeforeObjects();
  OptativesAfterAyda();
  ModalsFirst();
  InfinitivesBeforeObjects();
  SpeakerGender();
  NegateWithTugel();
  FrontQuestionWords();
  StillNot();
  NameQualifiers();
  MeasureAdjectives();
  DropEchoedPronouns();
  OrderComparisons();
  OwnObjectsWithoutPossessives();
  CountedPossessives();
  UnnamedOwners();
  OwnObjectsOfNounSubjects();
  AddPossessors();
  PossessivesBeforeSuperlatives();
  PastCopulas();
  VerbsAfterSubjects();
  TimeFirst();
  FrequencyBeforeVerbs();
  PronounObjectsBeforeVerbs();
  MannerAfterVerbs();
  ObjectsBeforePlaces();
  AgoAfterVerbs();
  QuestionGroupsFirst();
  AuxBeforePronounObjects();
  OrdersBeforePronouns();
  ChainPossessives();
  ConditionalClauses();
  AdverbsAfterInfinitives();
  JointOrders();
  ThirdPersonOrders();
  SoftenerPlaces();
  UnrealConditions();
  RightAboutIt();
  NeedlessWords();
  JoinedSubjects();
  PersonalFeatures();
  PlacedQualities();
  ExistenceBeforeThings();
  QuestionVerbsBeforeSubjects();
  HomeAfterNegatedVerbs();
  TimesBeforeVerbs();
  TimeNounPredicates();
  MarriageVerbs();
  NeededThings();

  if (StartCapital) Kits[0].Capital = 1;
  const TDictionaryTR& dictionary = Translator->Dictionary();
  for (int k = FirstWord; k <= LastWord && k < SlotCount(); ++k) {
    TTransKit& kit = Kits[k];
    if (kit.Kind != kkTranslated) continue;
    for (TTransUnit& reading : kit.Readings) {
      dictionary.Generate(reading);
      kit.Text = reading.Rus.RusText;
    }
    if (kit.Capital) UpperFirst(kit.Text);
  }
  PresentParticiples();
  YearPrepositions();
  PronounsAfterPrepositions();
  FitShortPrepositions();
  WomenOwners();
  PageTexts();
  YoungerPeople();
}

namespace {

bool IsRusConsonant(char16_t c) {
  return std::u16string_view(u"бвгджзйклмнпрстфхцчшщ").find(ToLowerChar(c)) != std::u16string_view::npos;
}

}  // namespace

void TSP_tat::FitShortPrepositions() {
  for (int k = FirstWord; k < LastWord && k + 1 < SlotCount(); ++k) {
    TTransKit& kit = Kits[k];
    const TTransKit& next = Kits[k + 1];
    if (kit.Kind != kkTranslated || next.Kind == kkSeparator || next.Text.size() < 2) continue;
    const std::u16string low = Lowered(kit.Text);
    const char16_t a = ToLowerChar(next.Text[0]);
    const char16_t b = next.Text[1];
    const std::u16string nextLow = Lowered(next.Text);
    bool longer = false;
    if (low == u"в")
      longer = ((a == u'в' || a == u'ф') && IsRusConsonant(b)) || nextLow == u"мне" ||
               nextLow.starts_with(u"вс") || nextLow.starts_with(u"многи") || nextLow.starts_with(u"двор") ||
               nextLow == u"сне" || nextLow == u"рту" || nextLow == u"лбу";
    else if (low == u"с")
      longer = ((a == u'с' || a == u'з' || a == u'ш' || a == u'ж') && IsRusConsonant(b)) ||
               nextLow == u"мной" || nextLow.starts_with(u"вс");
    else if (low == u"к")
      longer = nextLow == u"мне" || nextLow.starts_with(u"вс");
    else if (low == u"о") {
      // "обо мне", "обо всём"; "об" before a vowel (об отце, об их доме).
      const bool vowel = std::u16string_view(u"аоуэиы").find(a) != std::u16string_view::npos;
      const std::u16string_view add = nextLow == u"мне" || nextLow.starts_with(u"вс") ? u"бо"
                                      : vowel                                       ? u"б"
                                                                                    : u"";
      kit.Text += add;
      for (TTransUnit& reading : kit.Readings) reading.Rus.RusText += add;
      continue;
    }
    if (!longer) continue;
    kit.Text += u'о';
    for (TTransUnit& reading : kit.Readings) reading.Rus.RusText += u'о';
  }
}

void TSP_tat::ComposeText() {
  for (TTransKit& kit : Kits) {
    if (kit.Kind == kkUnknown) continue;
    // Readings with no text go; equal texts are offered once.
    std::vector<const std::u16string*> texts;
    for (const TTransUnit& reading : kit.Readings) {
      const std::u16string& t = reading.Rus.RusText;
      if (t.empty()) continue;
      bool seen = false;
      for (const std::u16string* other : texts) seen = seen || *other == t;
      if (!seen) texts.push_back(&t);
    }
    if (texts.size() > 1) {
      std::u16string list = u"{";
      for (size_t k = 0; k < texts.size(); ++k) {
        if (k > 0) list += u", ";
        list += *texts[k];
      }
      list += u"}";
      kit.Text = std::move(list);
    } else if (texts.size() == 1) {
      kit.Text = *texts[0];
    }
    kit.Readings.erase(std::remove_if(kit.Readings.begin(), kit.Readings.end(),
                                      [](const TTransUnit& r) { return r.Rus.RusText.empty(); }),
                       kit.Readings.end());
  }

  // Word slots carry their own trailing blank (or the hyphen between the
  // halves of a word). A word slot with no text neither gets nor causes one.
  for (int i = 1; i < SlotCount(); ++i) {
    TTransKit& kit = Kits[i];
    if (kit.Kind != kkSeparator && Kits[i - 1].Kind != kkSeparator &&
        Kits[i - 1].HyphenPart == 1 && kit.HyphenPart == 2) {
      Kits[i - 1].Text += u'-';
    } else if (kit.Kind != kkSeparator && !kit.Text.empty()) {
      int p = i - 1;
      while (p >= 0 && Kits[p].Kind != kkSeparator && Kits[p].Text.empty()) --p;
      if (p >= 0 && Kits[p].Kind != kkSeparator) Kits[p].Text += u' ';
    }
    if (kit.Kind == kkTranslated && kit.Capital) UpperFirst(kit.Text);
  }
  if (!Kits.empty() && StartCapital) UpperFirst(Kits[0].Text);
}

void TSP_tat::Emit() {
  if (OutProc == nullptr) return;
  for (const TTransKit& kit : Kits) OutProc(kit.Text.c_str(), kit.Kind == kkUnknown ? -1 : 0);
}

}  // namespace tatengine
