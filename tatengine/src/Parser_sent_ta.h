// The sentence parser: cuts a sentence into tokens, groups word tokens into
// output slots through the translator, runs the sentence rules, composes the
// slot texts and hands them to the output callback one slot at a time.
#pragma once

#include <string>
#include <string_view>

#include "Records.h"
#include "zentrok_engine.h"

namespace tatengine {

class TTransler;
struct TSenseRule;

// A fixed Russian text in a slot of its own that no generator rewrites:
// a word (wcUnchanged03) or a preposition (wcPostposition). Rules insert
// such slots for words the Tatar does not spell out.
TTransKit FixedKit(std::u16string_view text, int wordClass = wcUnchanged03);
// A separator slot (punctuation and blanks between words): rules insert
// one where Russian needs a comma the Tatar leaves out, or a clause ends.
TTransKit SeparatorKit(std::u16string_view text);

class TSP_tat {
public:
  TSP_tat();
  virtual ~TSP_tat() = default;

  // Translates one sentence and emits it through OutProc. An empty sentence
  // emits nothing; without a translator nothing is emitted either.
  void ParseSentence(std::u16string_view sentence);

  void Tokenize(std::u16string_view sentence);
  void BuildKits();
  // Narrows readings, reorders and inserts slots, assigns agreement and
  // generates the Russian forms.
  virtual void ApplyRules();
  void ComposeText();
  void Emit();
  // Forgets the remembered subject.
  void ResetContext();

  TUnits Units;
  TTransKits Kits;
  int MaxPhrase = 3;
  TOutProc OutProc = nullptr;
  const TTransler* Translator = nullptr;
  int FirstWord = -1;
  int LastWord = -1;
  // Whether the sentence's first word was written with a capital; the
  // translation starts with one only then (a lowercase phrase stays lowercase).
  bool StartCapital = true;
  // The form of the last subject found; carried from sentence to sentence.
  TFormRus SubjectForm;

protected:
  // The sentence rules, in the order ApplyRules runs them.
  void ResolveDirectWords();
  void PreferParticles();
  void ResolveFirstWord();
  void ResolvePostpositionPairs();
  void ResolveLastWord();
  void PruneReadings();
  void GuessUnknownWords();
  void ApplyGlues();
  void ResolveModifierPairs();
  void ResolveVerbOrSubnoun();
  void ResolveHyphenHalves();
  void ChooseReadings();
  void SplitPrepositions();
  void RewriteConjunctions();
  void MovePrepositions();
  void MoveGlues();
  void SwapPossessives();
  // Chains of possessed nouns, possessors read as adjectives and counted
  // possessors (Rules_izafet.cpp).
  void IzafetGroups();
  // A word read as a noun or an adjective before a possessed noun is the
  // adjective (татар теле: татарский язык).
  void PossessorAdjectives();
  // A noun with the 3rd-person possessive ending (теле, дәресендә).
  bool IsPossessedHead(int slot);
  // The first of the words that qualify a genitive possessor and go with it
  // when it follows its head (Rules_np3.cpp).
  int PossessorStart(int possessor);
  // Possessives in genitive chains (Rules_np3.cpp): a possessor with the
  // 3rd-person ending and no owner named says "его" (жена его брата);
  // after "аларның" its plural ending only agrees (свадьба их дочери).
  void ChainPossessives();
  // Owners in noun phrases (Rules_np4.cpp): a person noun opening the
  // sentence before its own possessed object is the subject (Әни күлмәген
  // юды: Мама постирала своё платье); a possessed noun in a phrase of its
  // own says "его" (китабыннан: из его книги); "буенда" after water is
  // "на берегу".
  void OwnersAsSubjects();
  void OwnObjectsOfNounSubjects();
  void UnnamedOwners();
  void RiverBanks();
  // A count before a possessed noun goes before the possessive: трём моим
  // друзьям, два моих брата.
  void CountedPossessives();
  // "бар иде", "юк иде": the past of having (У меня был брат, не было).
  void PastExistentials();
  // ике бала (also one's own: ике балам) in the nominative or accusative:
  // двое детей.
  void CountedChildren();
  // The 3rd-person finite verb whose subject the noun in slot subject is;
  // -1 when another word may be its subject or there is none.
  int OwnedObjectVerb(int subject);
  // One's own body parts and things as objects of one's own verb go
  // without "мой" (Я сломал ногу, Помой руки).
  void OwnObjectsWithoutPossessives();
  // The ablative of water one takes something out of: из реки, not с.
  void AblativeSources();
  // "каршы" after a place in the dative: напротив + genitive.
  void FacingPlaces();
  // The same noun compared twice: Этот дом больше того.
  void ComparedSameNoun();
  // "карт" before an animal or a thing is "старый", alone "старик".
  void OldAnimals();
  // An adjective the noun's own Russian already says is said once: өлкән
  // абыем "мой старший брат", not "старший старший".
  void EchoedAdjectives();
  // Senses the possessor decides (Rules_sense.cpp): a name followed by
  // абый/апа is the name alone in their case; a thing or an adjective as
  // the owner takes a noun back to its bare sense (авыл кызы: девочка).
  void NamesWithAddress();
  void ThingOwnersKeepTheBareSense();
  // A possessed "өй" in the dative with a verb of motion is "домой".
  void HomeTargets();
  // Two-word agreeing nouns after два/три/четыре (два старших брата): sets
  // the reading's fixed text; false when the noun is not of that kind.
  bool CountAgreeingNoun(TTransUnit& reading, bool feminine);
  // The Tatar lemma of a slot's noun reading, empty for other readings.
  std::u16string_view NounLemmaOf(int slot, int reading);
  void AgreeLinkVerbs();
  void AgreeNumerals();
  void GovernCases();
  void AgreeModifiers();
  void AgreeVerbs();
  void AgreeFollowers();
  void ExistentialClauses();
  // Age: "Мин алты яшьтә" / "Аңа ун яшь" is "Мне шесть лет".
  void AgeClauses();
  void MarkObjects();
  void NameDemonstratives();
  void GovernByNumerals();
  // Quantity words (күп, берничә) govern the genitive plural.
  void GovernByQuantities();
  bool IsQuantitySubject(int quantity, int verb);
  void AddPossessors();
  void NegateWithTugel();
  void FrontQuestionWords();
  void MoveVerbs();
  // The subject of the verb in slot verb among slots from..verb-1: a
  // personal pronoun in the nominative, else the first nominative noun;
  // -1 when there is none.
  int SubjectOf(int from, int verb);
  // A finite verb in the 1st or 2nd person (барам, барасыз).
  bool IsSpeakerVerb(int verb);
  // A nominative subject pronoun slot of person 1, 2, 4, 5 or 6, read as the
  // lexicon reads the written pronoun (Rules_order.cpp).
  TTransKit SubjectPronounKit(int person);
  void MotionTargets();
  // The one asked is the accusative (спросил ребёнка), not "от ребёнка".
  void AskedPeople();
  // "был" of an adjective with "иде" agrees and precedes its adverbs.
  void PastCopulas();
  // A time noun in the accusative with a modifier: в первый день.
  void TimeAccusatives();
  bool HasVerb();
  // An accusative personal pronoun (мине, аны).
  bool IsPronounObject(int slot);
  // A verb whose Russian infinitive is a verb of motion (идти, прийти).
  bool IsMotionVerb(int slot);
  // The noun in the slot is "час" (hour).
  bool IsHourNoun(int slot);
  // "в", "с", "к" become "во", "со", "ко" before a cluster (во дворе, со мной).
  void FitShortPrepositions();
  // Clauses without a verb and verb idioms (Rules_predicate.cpp).
  void ImpersonalPredicates();
  void NounCopulas();
  void WeatherVerbs();
  void NameClauses();
  void BodyStates();
  void StateCopulas();
  void GladPredicates();
  void QuantityPredicates();
  void DateOrdinals();
  // Cardinal words before an ordinal stay in the nominative as one fixed
  // slot (в тысяча девятьсот девяносто пятом году) (Rules_ordinal.cpp).
  void CompoundOrdinals();
  // An ordinal adjective (унбишенче read as ун бишенче too).
  bool AnalyseOrdinal(std::u16string_view stem, TTransUnit& reading);
  // A noun slot whose Russian nominative singular is lemma.
  bool IsNounLemma(int slot, std::u16string_view lemma);
  // The first slot of the clause that holds slot (after the last separator).
  int ClauseStart(int slot);
  // Some reading of the slot may be a subject: a nominative noun or pronoun.
  bool MayBeSubject(int slot);
  // Verb rules (VerbRules.cpp). An exclamation ending in an order keeps the
  // verb reading (Языгыз!).
  void PreferImperatives();
  // A past in the 1st or 2nd person singular is not neuter.
  void SpeakerGender();
  // "әйдәгез" + "-ыйк": the verb drops its own "давай".
  void OptativesAfterAyda();
  // Orders go first; a verb precedes the genitive it governs.
  void VerbsBeforeObjects();
  // Habitual words (еш, һәр көн) keep the
  // imperfective where the form asks for the perfective.
  void HabitualAspect();
  // A posture verb after an -ып converb (сөйләшеп утырдык).
  bool IsDoingWhile(int slot, int stemRow);
  // The object takes the case the Russian verb governs (испугался собаки).
  void GovernObjects();
  // Noun + "булып" is the instrumental (работает врачом).
  void ServeAs();
  // The governing verb before its infinitive (хочу спать).
  void InfinitiveComplements();
  // Modal constructions (Rules_modal.cpp): the infinitive reading before
  // "ярат" / "сөй", and мочь, уметь, хотеть, попробовать + infinitive.
  void PreferModalInfinitives();
  void ModalVerbs();
  // The genitive pronoun before an -асы килә group becomes the nominative.
  void NominativeWanter(int verb);
  // Senses of verbs and adjectives by the words around them, from the
  // lexicon's context rules (VerbSenses.cpp, Senses.h): тор "вставать" in
  // the morning, ал "получить" a letter, озын "высокий" of a person.
  void ContextSenses();
  // The slot in [from, verb) that stands in the rule's relation to the verb
  // and is one of its context words; -1 when there is none.
  int SenseContextSlot(const TSenseRule& rule, int from, int verb);
  bool SenseContextMatches(const TSenseRule& rule, int slot);
  // Gives the verb's readings the rule's Russian verb in their aspect.
  void SwapVerbSense(int verb, const TSenseRule& rule, int context);
  // The Tatar lemma of a slot's first reading (a verb's, noun's, pronoun's
  // or adjective's lemma; the lowered text for other words).
  std::u16string TatarLemmaOf(int slot);
  // Senses of nouns by their modifier, the next word or their verb, from
  // the same rules (NounSenses.cpp): тәмле аш "вкусный суп", аш "еда".
  void NounSenses();
  bool NounSenseContext(const TSenseRule& rule, int noun);
  // A word read as adjective and noun (авыру: больной, болезнь) with
  // nothing to qualify, before a postposition or in an oblique case, is the
  // noun (CaseSenses.cpp): авыру аркасында "из-за болезни".
  void NounsWithNothingToQualify();
  // Prepositions a noun and its neighbours choose (CaseSenses.cpp): the
  // ablative of a material before a verb of making (кардан ясалган: из
  // снега); арасында after a plural: среди.
  void CaseSenses();
  // "әле" before a negated verb: ещё не.
  void StillNot();
  // Tense and aspect by context (VerbTense.cpp): experience in the -ган
  // past (караганмын: смотрел), the perfective future of a present with a
  // time to come or "кайчан", the activity of a -ды past with an indefinite
  // object or a place (гөмбә җыйдык: собирали грибы).
  void VerbTenses();
  // бар in the past to an event or at a past time: ходил, ездил.
  void RoundTrips();
  // монда, анда with a verb of going: сюда, туда (Монда кил: Иди сюда).
  void DirectionWords();
  // The genitive after negated знать/видеть, опоздать на урок, "тора" with
  // a price as "стоит", кунакка "в гости".
  void VerbGovernment();
  // Modal order (ModalOrder.cpp): должен, надо, нельзя, можно, хотеть go
  // right after the subject, before the adverbs and the infinitive.
  void ModalsFirst();
  // An infinitive after its objects goes before them, after the adverbs
  // that follow the modal (хочу завтра пойти в кино).
  void InfinitivesBeforeObjects();

  // Tense and modality a whole clause decides (VerbClause.cpp): a condition
  // about what is to come and its main clause in the perfective future
  // (Если не поешь, проголодаешься), habits in the past (ездили каждое
  // лето), "-а ала" as уметь or смогу, the weather without "воздух".
  void ConditionalFutures();
  void HabitualPasts();
  // The condition in slot v opens its clause with "если" (Если закончишь работу).
  void ConditionFirst(int v);
  // Opens the condition whose verb is slot v, in the clause starting at
  // from, with "если" and puts the verb at slot at (from <= at <= v): the
  // verb loses its "если " prefix and "если" goes in at from. agar: the
  // word stands for "әгәр" (its source) and is not put after one that opens
  // the clause already.
  void OpenCondition(int v, int from, int at, bool agar);
  // A -ган past of others with an indefinite object: играли в волейбол.
  void ActivityPasts();
  void AbilityModals();
  void WeatherStates();
  // An infinitive before ярый(мы), ярамый: можно, нельзя + infinitive.
  void PermissionWords();
  // "барырга кирәк" with a place: надо сходить, съездить.
  void ErrandInfinitives();
  // A word of habit (саен, еш, гел, һәр) or a plural time (җәйләрен) in
  // slots from..to.
  bool IsHabitualClause(int from, int to);

  // Measure phrases and differences of comparison (Rules_measure.cpp):
  // "ике стакан сөт" is "два стакана молока", "өч яшькә олырак" "на три
  // года старше".
  void MeasurePhrases();
  void ComparisonDifferences();
  // After a count, a measure word and the word after it are nouns.
  void PreferMeasuredNouns();
  // A noun the lexicon marks as a mass noun (молоко, время): counted in the
  // genitive singular.
  bool IsMassNoun(int slot);
  // A bare noun with a relative adjective before a possessed noun is that
  // adjective: урман юлы, лесная дорога (Rules_relative.cpp).
  void RelativeAdjectives();
  // A compound numeral ending in one or two counts by its last word:
  // тридцать один ребёнок, двадцать две девочки (Rules_numerals.cpp).
  // CountsWithOne keeps the noun after "... бер" singular before the verbs
  // agree; CompoundNumerals declines the words in the phrase's case.
  void CountsWithOne();
  void CompoundNumerals();
  // Words that may be numerals before a numeral or "бер" and a noun are
  // the numerals: йөз ике кеше (сто два человека), not a face.
  void CompoundHomographs();
  // The last slot of a compound numeral starting at first (утыз бер, егерме
  // ике, йөз ике); one: it ends in "бер". -1 when first starts none. Before
  // the readings are narrowed (narrowed false) any slot with a numeral
  // reading counts and a "бер" ends the numeral; after, only slots whose one
  // reading is a numeral, and a last "бер" read as "один". The words and
  // values themselves are in Numerals_ta.h.
  int CompoundEnd(int first, bool& one, bool narrowed = true);

  // Counts, clock time, spans of time and noun-phrase qualifiers.
  void ResolveCountHomographs();
  void ClockTimes();
  void TimeSpans();
  void CountedTimes();
  void HalfNouns();
  // Time nouns with "через"/"за", кебек after a pronoun, counted measure
  // words as one adjective (Rules_post.cpp).
  void PostpositionSenses();
  // Declines those adjectives like the noun they go with; the noun after
  // "как" stays in the nominative.
  void MeasureAdjectives();
  void MarkQualifiers();
  void NameQualifiers();
  // 1, 2, 4, 5 (1sg, 2sg, 1pl, 2pl) for a finite verb of the speaker or the
  // one spoken to, also with "иде" (укый идем); 0 otherwise.
  int SpeakerPerson(int verb);
  // A person already said by the subject pronoun, or the "они" of a plural
  // noun subject, is not repeated by "иде".
  void DropEchoedPronouns();
  // The lowered Tatar text of a slot (an unknown word's own text).
  std::u16string Source(int slot);
  // A numeral or "бер" (which the glue rules read).
  bool IsCountWord(int slot);
  // Puts a time preposition (через, на) before the counted time noun at
  // slot k (the output order puts prepositions first), sets the noun to the
  // accusative, and drops a lone "бер" before it (через час); k follows
  // the noun.
  void PutTimePreposition(int& k, std::u16string_view preposition, std::u16string_view source);
  // The nominative singular of a slot's Russian word.
  std::u16string LemmaOf(int slot);
  // A determiner or genitive pronoun standing before the noun it goes with
  // (минем дустым, бу өй): a preposition governs the noun, not it.
  bool IsDeterminerOf(int slot);
  // A noun naming a unit of time (день, год, час).
  bool IsTimeUnit(int slot);

  // Noun phrases, counts and postpositions (Rules_compare.cpp,
  // Rules_time.cpp, Rules_postpos.cpp, Rules_count.cpp).
  // A comparative: an adjective in -рак/-рәк or a word such as күбрәк.
  bool IsComparative(int slot);
  // The standard of comparison after the comparative, in the genitive:
  // больше того дома, старше меня.
  void Comparatives();
  // A count in the ablative before артык/күбрәк/азрак: больше тысячи.
  bool CountComparison(int slot);
  // An ablative (or dative) standard left by Comparatives.
  bool IsStandardOfComparison(int slot);
  // Puts the comparative before its standard once agreement is done.
  void OrderComparisons();
  // Counted spans in the ablative (через час) and the dative (на два дня),
  // weekdays in the accusative (во вторник).
  void TimeCases();
  // Ordinal + month: восьмое марта, первого сентября.
  void Dates();
  // The preposition of a year written in digits goes before it (в 2020 году);
  // runs on the generated text.
  void YearPrepositions();
  // Postpositions with a personal possessive ending: рядом со мной.
  void PossessedPostpositions();
  // A pronoun in the ablative before тыш, башка, соң, элек: кроме тебя,
  // после него, до нас.
  void AblativePronounPostpositions();
  // A noun with "-гача": до школы.
  void UntilNouns();
  // "каршында": перед + instrumental, при + prepositional for institutions.
  void FacingSenses();
  // н- forms of the pronouns after a preposition (у него); runs on the
  // generated text.
  void PronounsAfterPrepositions();
  // Compound counts ending in "бер": двадцать один год.
  void CompoundOnes();
  // People after "сотни", "тысячи" are "людей".
  void LargeCounts();

  // Counts and adjective predicates (Rules_count2.cpp). Collective numerals
  // as a predicate (Нас трое, Их было шестеро) or with a verb (идём
  // вдвоём); a count with "яшь" in a case (до десяти лет, в двадцать лет);
  // an ordinal or "бу", "соңгы", "һәр" with "тапкыр" (во второй раз); an
  // ordinal with "бүлек" (пятая глава); the short form of an adjective
  // predicate with a dative or negated (мне узки, я не знаком); a
  // comparative before a noun (платье подешевле).
  void CollectiveNumerals();
  void AgePhrases();
  // "вакытында" without an owner: вовремя.
  void OnTimeAdverbs();
  void OrdinalTimes();
  void OrdinalChapters();
  void ShortPredicates();
  void AttributiveComparatives();

  // Noun phrases (Rules_phrase.cpp). A place attribute in -дагы follows
  // its noun (книга на столе); a dative person or an ablative before a noun
  // follows it (подарок маме, письмо из деревни).
  void PlaceAttributes();
  void DependentObliques();
  // A lack in -сыз or a topic with турында/хакында before a noun follows
  // it: чай без молока, сказка о кошке.
  void LackAndTopicAttributes();
  // "белән" with a tool is the bare instrumental, with a vehicle "на".
  void InstrumentSenses();
  // The ablative of a road with a verb of motion: по улице; the locative
  // of a channel: по телефону.
  void WaysAlong();
  // A part of the day or a season with an adjective in the locative:
  // тёмной ночью, холодной зимой.
  void TimeOfDayLocatives();
  // Plurals of Russian collectives stay singular (киемнәр: одежда).
  void CollectiveNouns();
  // "Синең ничә апаң бар?": Сколько у тебя старших сестёр?
  void CountQuestions();
  // The first slot of the noun phrase ending in noun: its adjectives,
  // numerals and determiners without a preposition of their own.
  int NounPhraseStart(int noun);
  // The noun that the modifiers from slot from on go with; -1 when none.
  int FollowingHead(int from);
  // Moves slots start..end to just after slot head (head > end); returns
  // the new index of the moved phrase's last slot.
  int MovePhraseAfter(int start, int end, int head);

  // Russian order and subject pronouns (Rules_order.cpp). A finite verb in
  // the 1st or 2nd person without a pronoun subject gets one at its clause
  // start (Кая барасыз? Куда вы идёте?).
  void SpeakerSubjects();
  // A season or a time in several words after a pronoun subject opens the
  // clause (Летом мы ..., На прошлой неделе я ...); a one-word time stays
  // after it (Я вчера ...); in a question it follows the verb (Где ты был
  // вчера?).
  void TimeFirst();
  // A frequency adverb left after the moved verb goes before it.
  void FrequencyBeforeVerbs();
  // A dative or accusative personal pronoun after the verb goes before it.
  void PronounObjectsBeforeVerbs();
  // A "по-" manner adverb or a comparison before the clause-final verb goes
  // after it (говорим по-татарски, едет быстрее автобуса).
  void MannerAfterVerbs();
  // A place with its preposition and then the direct object after the verb:
  // the object goes first (собирала цветы в лесу).
  void ObjectsBeforePlaces();
  // The last slot of the noun group starting at start (a preposition,
  // modifiers, the noun and its genitive possessors), -1 when none ends
  // by slot to.
  int NounGroupEnd(int start, int to);
  // The noun group from start to end names a time (через час, в пятницу).
  bool IsTimeGroup(int start, int end);
  // A span with "назад" between the verb and the rest of its clause goes to
  // the clause end (переехал в Казань четыре года назад).
  void AgoAfterVerbs();
  // In a question, a noun group with an asking determiner (в каком классе)
  // opens the sentence; "чей" + noun + "это" is "Чья это книга?".
  void QuestionGroupsFirst();
  // "будем" of a compound future goes before a pronoun object: Мы будем
  // вас ждать.
  void AuxBeforePronounObjects();
  // A finite verb left at the clause end after its subject and a phrase
  // with a preposition goes right after the subject: Урок начинается в
  // девять часов.
  void VerbsAfterSubjects();
  // An order goes before a pronoun in the dative and takes it right after
  // itself: Дай мне книгу.
  void OrdersBeforePronouns();
  // More order rules (Rules_order2.cpp). A manner adverb in "по-" before a
  // modal and its infinitive goes after the infinitive (может говорить
  // по-английски).
  void AdverbsAfterInfinitives();
  // "тиеш" with a person ending (тиешбез) names its subject: Мы должны
  // прийти пораньше.
  void SubjectsOfMust();
  // "вакытында" after a personal pronoun in the nominative is "вовремя"
  // (Без вакытында килдек: Мы пришли вовремя), not "во время" + genitive.
  void TimelyAfterPronouns();
  // A conditional clause opens with "если"; a possessed noun with "булса"
  // is what there will be (Вакытың булса: Если будет время).
  void ConditionalClauses();
  // A 1st person plural order after "әйдә": no comma after "давай", and the
  // order before its objects (Давай пойдём в магазин, Давайте выпьем чаю).
  void JointOrders();

  // Orders, invitations and requests (VerbClause2.cpp). "әле" after an
  // order becomes "пожалуйста" (SoftenedOrders, before the readings are
  // chosen) set off after the order (SoftenerPlaces); a 3rd-person order
  // opens with "пусть" (Пусть он войдёт); the -дык past after "әйдә"
  // invites (Давай, пошли!).
  void SoftenedOrders();
  void SoftenerPlaces();
  void ThirdPersonOrders();
  void InvitingPasts();
  // A condition before a main clause in -ыр иде is unreal: если бы + past.
  void UnrealConditions();
  // "-ырга кирәк түгел": не нужно + the imperfective infinitive.
  void NeedlessInfinitives();
  void NeedlessWords();
  // Set expressions (Rules_idiom.cpp): "дөрес әйтәсең" (ты прав), a counted
  // span with "бирле" (уже три года), "яшьрәк" of people (младше).
  void RightAboutIt();
  void SinceDurations();
  void YoungerPeople();
  // A possessive put after "самый" or a one-word superlative goes before
  // it: мой старший сын, с моим самым близким другом.
  void PossessivesBeforeSuperlatives();
  // A vehicle leaving or arriving on schedule keeps the present.
  void ScheduledPresents();
  // A -гач, -ганда or -ганчы clause with a subject of its own is a Russian
  // clause with "когда" or "пока не" (Когда папа вернулся, мы поели); the
  // speaker's own -гач stays a gerund (Вернувшись, я поел).
  void WhenClauses();
  // "Бу кемнең китабы?": the pointing word after the thing, Чья это книга?
  void WhoseQuestions();
  // "-ганга күрә", "-ганлыктан": a cause, "так как" + the past.
  void CauseClauses();
  // "-ып бир", done for someone: the main verb in the tense of "бир"
  // (тегеп бирде: сшила; алып бирде: купила).
  void Benefactives();
  // "да"/"һәм" between two finite clauses: "и" and a clause boundary; the
  // second clause's repeated subject pronoun goes (JoinedClauses.cpp).
  void JoinedClauses();
  void JoinedSubjects();
  // "Әти һәм әни кайтты": one subject of two nouns, the verb in the plural.
  void CoordinatedSubjects();
  void CoordinatedAgreement();
  // Aspect by the clause (VerbClause3.cpp): a planned act with кирәк or
  // тиеш is perfective, a routine imperfective (нужно пойти, должен пить
  // лекарство); seeing or hearing asked or with "ever" is experience (видел);
  // a negated past with an object is a missed act (не позвонил); orders of
  // care are routines (мойте руки); rain to come starts (пойдёт дождь) or
  // will not be (не будет дождя); алып кайт/кил/кит/бар by what is carried
  // and how (принёс, привёз, отвёл).
  void ClauseAspects();
  void PlannedInfinitives();
  void ExperiencePasts();
  void MissedActs();
  void RoutineOrders();
  void WeatherFutures();
  void CarryingVerbs();
  // A translated slot read as a Tatar verb.
  bool IsVerbSlot(int v);
  // беркайчан, кайчан да булса, кайчандыр in slots from..to.
  bool IsEverClause(int from, int to);
  // Word order of questions, conditions, comparisons and adjective
  // predicates (Rules_order3.cpp). A personal pronoun in the dative with
  // "караганда" before a comparative is "чем" + the pronoun (быстрее, чем
  // он).
  void ComparedPronounsWithThan();
  // A question word, then the verb, then a noun subject: Когда уходит
  // поезд? Сколько стоят эти яблоки? (A pronoun subject stays before the
  // verb: Когда ты вернёшься?)
  void QuestionVerbsBeforeSubjects();
  // What there will be follows "будет" in a condition: Если будет время.
  void ExistenceBeforeThings();
  // A place and a noun with an adjective predicate: На улице сильный ветер.
  // A feature of a person with an adjective predicate: У неё красивый
  // голос, У меня длинные волосы.
  void PlacedQualities();
  void PersonalFeatures();
  // "домой" follows a negated verb: Они не вернулись домой.
  void HomeAfterNegatedVerbs();
  // A one-word time right after a pronoun subject stays before the verb
  // also when the verb has moved (Вы завтра работаете? Он завтра придёт).
  void TimesBeforeVerbs();
  // The last slot of a subject noun group starting at start (determiners,
  // possessive words, adjectives, numerals, the nominative noun without a
  // preposition and its genitive possessors); -1 when none ends by to.
  int SubjectGroupEnd(int start, int to);
  // The lowered Russian text of a slot's first reading (before generation:
  // the fixed text of adverbs and fixed words).
  std::u16string RusWord(int slot);
  // A personal pronoun (мин, син, ул ...) read as the nominative subject.
  bool IsPronounSubject(int slot);
  // The last word slot of the clause that holds slot.
  int ClauseEnd(int slot);
  // The sentence ends in a question mark.
  bool IsQuestion();
  // The clause of verb slot v asks: it ends in a question mark or the verb
  // carries the question particle (-мы/-ме).
  bool IsAsked(int v);

  // Having attributes (Rules_np5.cpp): a noun in -лы/-ле is "с" + the
  // instrumental, clothes "в" + the prepositional (сакаллы: с бородой,
  // яшел күлмәкле: в зелёном платье), and goes after the noun it describes.
  void HavingAttributes();
  void PlaceHavingAttributes();
  // Reads the slot's word as noun + -лы; false (slot untouched) when the
  // stem is no noun of the lexicon.
  bool ReadAsHaving(int slot);
  bool IsHavingAttribute(int slot);
  // A woman's thing or role (платье, муж) names a female owner: "аның",
  // an unnamed owner and a subject "ул" about it are "её", "она"
  // (WomenSubjects before the verbs agree, WomenOwners after generation).
  void WomenSubjects();
  void WomenOwners();
  // A possessed woman's noun or "кияүгә чык" in slots from..to.
  bool HasWomansObject(int from, int to);
  // "янында" after a building in a phrase without a verb: возле.
  void NearBuildings();
  // A noun-or-adjective before a postposition that is also a possessed
  // noun is the noun (авыру аркасында: из-за болезни).
  void PostpositionsAfterHomographs();
  // "бит" after an ordinal is a page (унынчы бит: десятая страница);
  // PageTexts fixes the text of the noun reading after generation.
  void OrdinalPages();
  void PageTexts();

  // Clause openings, time-noun predicates, set phrases and participles
  // (Rules_fix7.cpp). Only times and adverbs stand before slot in its
  // clause (Кичә ул ...); a time noun with an adjective and "иде" after a
  // time word is presented (Вчера был холодный день); "кияүгә чык" is
  // "выйти замуж"; noun + "кирәк булса" is "если нужна помощь"; an
  // adjective in -сыз of its own beats noun + "без"; the -учы participle
  // before a noun is the present participle (бегущий мальчик).
  bool OpensClauseAfterTimes(int slot);
  // A thing with an adjective after nothing but times and adverbs, which a
  // copula presents (Был красивый день).
  bool PresentedThing(int noun);
  void TimeNounPredicates();
  void MarriageVerbs();
  void NeededThings();
  void OwnLackAdjectives();
  void PresentParticiples();

  // Helpers of the rules (slot indexes; out-of-range slots have no reading).
  int SlotCount() const { return static_cast<int>(Kits.size()); }
  // The Russian side of a slot's first reading (a blank record when none).
  TFormRus& Rus(int slot);
  TFormTat& Tat(int slot);
  int Class(int slot);
  // Where the clause of slot v starts when the stretch begins at b: the slot
  // after the last separator in [b, v).
  int ClauseStart(int b, int v) const {
    int from = b;
    for (int k = b; k < v; ++k)
      if (Kits[k].Kind == kkSeparator) from = k + 1;
    return from;
  }
  // The first reading of a translated slot whose class shares a bit with mask.
  bool HasReading(int slot, int mask, int& index);
  bool HasReading(int slot, int mask) {
    int index;
    return HasReading(slot, mask, index);
  }
  // Exactly one reading, whose class shares a bit with mask.
  bool SingleReading(int slot, int mask);
  // Keeps the readings of the same class as reading index.
  void Keep(int slot, int index);
  void Drop(int slot, int index);
  void Move(int from, int to);
  enum TAgreeField { afCase = 1, afGender = 2, afVariant = 4, afNumber = 8 };
  void Agree(int target, int source, int fields);
  void SetDefault(int slot, int wordClass);

private:
  TTransUnit FBlank;  // what Rus/Tat return for a slot without readings
};

// The reset value of the remembered subject.
TFormRus SubjectReset();

}  // namespace tatengine
