// Compares the generated Russian forms (zentrok-mkdata --dump russian) with
// the paradigms of an independent morphological dictionary (the "az"
// package, installed into a temporary folder at test time only).
//   node az_check.js DUMP.tsv AZ_DICTS_DIR [MIN_RATE]
// Prints the agreement rate by class and the disagreeing forms, and how
// often both spell ё alike where either writes it; exits 1
// when the overall rate of the lemmas the dictionary knows is below
// MIN_RATE (a fraction, default 0.9).
'use strict';
const fs = require('fs');
const Az = require('az');

const [dumpPath, dictDir, minRateArg] = process.argv.slice(2);
const minRate = minRateArg ? Number(minRateArg) : 0.9;
const fold = (s) => s.replace(/ё/g, 'е').toLowerCase();
const posOf = { noun: ['NOUN'], adjective: ['ADJF'], determiner: ['ADJF', 'NUMR'], comparative: ['ADJF'],
                degree: ['ADJF'], verb: ['INFN'],
                gerund: ['INFN'], participle: ['INFN'] };

Az.Morph.init(dictDir, (err) => {
  if (err) { console.error(err); process.exit(2); }
  const rows = fs.readFileSync(dumpPath, 'utf8').split('\n').filter(Boolean).map((l) => l.split('\t'));
  const stats = {};
  const misses = [];
  const unknown = {};
  const cache = new Map();
  const yo = { forms: 0, agree: 0 };
  const yoMisses = [];
  for (const [cls, lemma, tags, form] of rows) {
    const key = cls + '|' + lemma;
    if (!cache.has(key)) {
      const parses = Az.Morph(lemma).filter((p) => p.normalize() && fold(p.normalize().word) === fold(lemma)
        && posOf[cls].includes(p.normalize().tag.POS));
      cache.set(key, parses);
    }
    const parses = cache.get(key);
    const s = stats[cls] || (stats[cls] = { lemmas: new Set(), forms: 0, agree: 0, unknown: new Set() });
    if (!parses.length) { s.unknown.add(lemma); continue; }
    s.lemmas.add(lemma);
    if (cls === 'degree') {
      // "yes" when the adjective has comparative and short forms; the
      // dictionary marks such adjectives Qual
      const qual = parses.some((p) => p.normalize().tag.Qual) ? 'yes' : 'no';
      s.forms++;
      if (form === qual) s.agree++;
      else misses.push(`${cls}\t${lemma}\t${tags}\tours: ${form}\taz: ${qual}`);
      continue;
    }
    const want = tags.split(',');
    if (want.includes('impr')) want.push('excl');  // the imperative addressed to the hearer
    const candidates = new Set();
    const written = new Set();  // as the dictionary spells them, with ё
    for (const p of parses) {
      const base = p.normalize();
      const forms = [];
      for (const g of [want, want.filter((t) => t !== 'inan')]) forms.push(base.inflect(g));
      if (want[0] === 'COMP') forms.push(base.inflect(['COMP']));
      for (const f of forms)
        if (f) {
          candidates.add(fold(f.word));
          written.add(f.word.toLowerCase());
        }
    }
    if (!candidates.size) continue;  // the dictionary has no such form (e.g. no imperative)
    s.forms++;
    if (candidates.has(fold(form))) {
      s.agree++;
      // ё: counted where either spelling has it
      const ours = form.toLowerCase();
      const theirs = [...written].filter((w) => fold(w) === fold(ours));
      if (ours.includes('ё') || theirs.some((w) => w.includes('ё'))) {
        yo.forms++;
        if (written.has(ours)) yo.agree++;
        else yoMisses.push(`${cls}\t${lemma}\t${tags}\tours: ${form}\taz: ${theirs.join('/')}`);
      }
    } else {
      misses.push(`${cls}\t${lemma}\t${tags}\tours: ${form}\taz: ${[...candidates].join('/')}`);
    }
  }
  let forms = 0, agree = 0;
  for (const [cls, s] of Object.entries(stats)) {
    forms += s.forms; agree += s.agree;
    const rate = s.forms ? (100 * s.agree / s.forms).toFixed(1) : '-';
    console.log(`${cls.padEnd(12)} lemmas ${String(s.lemmas.size).padStart(5)}  forms ${String(s.forms).padStart(6)}  agree ${rate}%  unknown to az ${s.unknown.size}`);
  }
  const overall = forms ? agree / forms : 1;
  console.log(`overall      forms ${forms}  agree ${(100 * overall).toFixed(2)}%`);
  console.log(`ё            forms ${yo.forms}  written alike ${yo.forms ? (100 * yo.agree / yo.forms).toFixed(1) : '-'}%` +
              ' (forms either side writes with ё; reported, not checked)');
  for (const m of misses.slice(0, 200)) console.log('  ' + m);
  for (const m of yoMisses.slice(0, 400)) console.log('  ё ' + m);
  process.exit(overall >= minRate ? 0 : 1);
});
