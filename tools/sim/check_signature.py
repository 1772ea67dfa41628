"""The simulator's signature: the summary of a fixed number of seeded matches and a SHA-256 of
the transcript of the same run, as stored in signature.json beside this script. Any change of
the rules, the deck or the computer's play changes it; a change that is meant is stored with
--update and committed with it.

usage: check_signature.py <queltabrovel-sim> [--update]"""
import hashlib
import json
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
STORED = os.path.join(HERE, "signature.json")
MATCHES = 1000
SEED = 1
# Timing fields differ from run to run; everything else is a function of the seed.
TIMING = ("seconds", "matchesPerSecond")


def signature(simulator):
    with tempfile.TemporaryDirectory() as folder:
        transcript = os.path.join(folder, "transcript.jsonl")
        run = subprocess.run([simulator, "--matches", str(MATCHES), "--seed", str(SEED),
                              "--transcript", transcript],
                             check=True, capture_output=True, text=True)
        summary = json.loads(run.stdout)
        with open(transcript, "rb") as f:
            digest = hashlib.sha256(f.read()).hexdigest()
    for field in TIMING:
        summary.pop(field, None)
    return {"matches": MATCHES, "seed": SEED, "summary": summary, "transcriptSha256": digest}


def main():
    current = signature(sys.argv[1])
    if "--update" in sys.argv[2:]:
        with open(STORED, "w") as f:
            json.dump(current, f, indent=2, sort_keys=True)
            f.write("\n")
        print("stored", STORED)
        return 0
    with open(STORED) as f:
        stored = json.load(f)
    if current != stored:
        print("the simulator's signature changed:")
        print("stored: ", json.dumps(stored, sort_keys=True))
        print("current:", json.dumps(current, sort_keys=True))
        print("if the change is meant, store it with --update")
        return 1
    print("signature", current["transcriptSha256"][:16], "matches")
    return 0


sys.exit(main())
