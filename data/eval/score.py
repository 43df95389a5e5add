#!/usr/bin/env python3
"""Scores translations of an evaluation set: corpus chrF (character n-grams
1-6, beta 2, spaces ignored) and the rate of word tokens left untranslated.

  score.py PAIRS.tsv --hyp FILE            translations, one line per pair
  score.py PAIRS.tsv --cmd "COMMAND"       COMMAND reads the sources, one per
                                           line, on stdin and writes one
                                           translation per line
  score.py PAIRS.tsv ... --floors FLOORS --name tt-ru
                                           exit 1 when chrF is more than one
                                           point below the recorded floor
  score.py --self-test

PAIRS.tsv: source <TAB> reference, "#" lines are comments.
A token is untranslated when it is a word of the source that comes out
unchanged although the reference does not contain it.
"""
import argparse
import re
import subprocess
import sys
from collections import Counter

WORD = re.compile(r"[^\W\d_]+(?:-[^\W\d_]+)*", re.UNICODE)


def read_pairs(path):
    pairs = []
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            cells = line.split("\t")
            if len(cells) != 2 or not cells[0].strip() or not cells[1].strip():
                sys.exit(f"{path}:{n}: expected source <TAB> reference")
            pairs.append((cells[0].strip(), cells[1].strip()))
    return pairs


def ngrams(text, n):
    s = "".join(text.split())
    return Counter(s[i:i + n] for i in range(len(s) - n + 1))


def chrf(hyps, refs, order=6, beta=2.0):
    """Corpus chrF: matches and totals summed over the corpus per order."""
    match = [0] * order
    hyp_total = [0] * order
    ref_total = [0] * order
    for h, r in zip(hyps, refs):
        for n in range(1, order + 1):
            hn, rn = ngrams(h, n), ngrams(r, n)
            match[n - 1] += sum((hn & rn).values())
            hyp_total[n - 1] += sum(hn.values())
            ref_total[n - 1] += sum(rn.values())
    precs = [m / t for m, t in zip(match, hyp_total) if t > 0]
    recs = [m / t for m, t in zip(match, ref_total) if t > 0]
    if not precs or not recs:
        return 0.0
    p, r = sum(precs) / len(precs), sum(recs) / len(recs)
    if p + r == 0:
        return 0.0
    b2 = beta * beta
    return 100.0 * (1 + b2) * p * r / (b2 * p + r)


def untranslated(sources, hyps, refs):
    """(untranslated tokens, hypothesis word tokens)."""
    bad = total = 0
    for s, h, r in zip(sources, hyps, refs):
        src = {w.lower() for w in WORD.findall(s)}
        ref = {w.lower() for w in WORD.findall(r)}
        for w in WORD.findall(h):
            total += 1
            lw = w.lower()
            if lw in src and lw not in ref:
                bad += 1
    return bad, total


def self_test():
    assert abs(chrf(["кошка спит"], ["кошка спит"]) - 100.0) < 1e-9
    assert chrf(["абв"], ["где"]) == 0.0
    partial = chrf(["кошка спит на диване"], ["кошка лежит на диване"])
    assert 50.0 < partial < 100.0, partial
    # spaces do not count
    assert abs(chrf(["кош ка"], ["кошка"]) - 100.0) < 1e-9
    assert untranslated(["мәче йоклый"], ["кошка йоклый"], ["кошка спит"]) == (1, 2)
    assert untranslated(["Казан"], ["Казань"], ["Казань"]) == (0, 1)
    print("self-test passed")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("pairs", nargs="?")
    ap.add_argument("--hyp")
    ap.add_argument("--cmd")
    ap.add_argument("--floors")
    ap.add_argument("--name")
    ap.add_argument("--self-test", action="store_true")
    ap.add_argument("--show", type=int, default=0, help="print the N worst sentences")
    a = ap.parse_args()
    if a.self_test:
        self_test()
        return 0
    if not a.pairs or bool(a.hyp) == bool(a.cmd):
        ap.error("give PAIRS.tsv and one of --hyp / --cmd")
    pairs = read_pairs(a.pairs)
    sources = [s for s, _ in pairs]
    refs = [r for _, r in pairs]
    if a.hyp:
        with open(a.hyp, encoding="utf-8") as f:
            hyps = [l.rstrip("\n") for l in f]
    else:
        out = subprocess.run(a.cmd, shell=True, input="\n".join(sources) + "\n",
                             capture_output=True, text=True, check=True).stdout
        hyps = out.split("\n")
    hyps = (hyps + [""] * len(pairs))[:len(pairs)]
    score = chrf(hyps, refs)
    bad, total = untranslated(sources, hyps, refs)
    rate = 100.0 * bad / total if total else 0.0
    print(f"{a.name or a.pairs}: {len(pairs)} sentences  chrF {score:.2f}  untranslated {rate:.1f}% ({bad}/{total})")
    if a.show:
        worst = sorted(range(len(pairs)), key=lambda i: chrf([hyps[i]], [refs[i]]))[:a.show]
        for i in worst:
            print(f"  {sources[i]}\n    ours: {hyps[i]}\n    ref:  {refs[i]}")
    if a.floors and a.name:
        floors = {}
        with open(a.floors, encoding="utf-8") as f:
            for line in f:
                if line.strip() and not line.startswith("#"):
                    k, v = line.split()
                    floors[k] = float(v)
        floor = floors.get(a.name, 0.0)
        if score < floor - 1.0:
            print(f"FAIL: chrF {score:.2f} is more than one point below the floor {floor:.2f}")
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
