#!/usr/bin/python3
"""Measures the computer opponent against real xiangqi programs.

Plays lorvane-engine (through the uci2wb adapter, as a UCI or UCCI engine)
under XBoard, headless under Xvfb, against maxqi and against Fairy-Stockfish
at several Skill Levels, at each Lorvane depth, one match at a time with
colours alternating, and prints a table of wins, draws and losses from
Lorvane's side. Every game is saved to PGN; a game that ends any other way
than by the board (an illegal move, a forfeit, a false claim, a crash) is
listed as a problem. Takes minutes: it is not part of the tests.

usage: tools/tournament.py [--engine build/lorvane-engine] [--games 10]
                           [--depths 2,3] [--skills=-10,0,5] [--protocol uci]
                           [--out tournament] [--no-play]
Needs the Debian packages xboard, uci2wb, fairymax, fairy-stockfish, xvfb
(scripts/install-deps.sh --tools installs them).
"""
import argparse
import os
import re
import shlex
import subprocess
import sys

GAMES_DIR = "/usr/games"


def opponent_args(name, skill):
    if name == "maxqi":
        return ["-scp", "maxqi"]
    return ["-scp", "fairy-stockfish", "-secondOptions", "Skill Level=%d" % skill]


def first_engine_args(engine, protocol, depth):
    command = shlex.quote(engine) + " " + protocol
    if protocol == "uci":
        args = ["-fcp", 'uci2wb -var xiangqi "%s"' % command]
    else:
        args = ["-fcp", command, "-fUCCI",
                "-uxiAdapter", 'uci2wb -var xiangqi -x "%fcp" "%fd"']
    return args + ["-firstOptions", "Depth=%d" % depth]


def match_tag(depth, opponent, skill):
    return "d%d-%s" % (depth, opponent if opponent == "maxqi" else "fsf%+d" % skill)


def play_match(engine, protocol, depth, opponent, skill, games, out_dir):
    tag = match_tag(depth, opponent, skill)
    pgn = os.path.join(out_dir, tag + ".pgn")
    debug = os.path.join(out_dir, tag + ".debug")
    for path in (pgn, debug):
        if os.path.exists(path):
            os.remove(path)
    command = (["timeout", "-k", "10", str(120 * games), "xvfb-run", "-a", "xboard", "-noGUI",
                "-variant", "xiangqi"]
               + first_engine_args(engine, protocol, depth)
               + opponent_args(opponent, skill)
               + ["-mg", str(games), "-tc", "0:10", "-inc", "0", "-xponder",
                  "-adjudicateDrawMoves", "150", "-soundProgram", "true",
                  "-saveGameFile", pgn, "-debug", "-nameOfDebugFile", debug,
                  "-xexit", "-saveSettingsOnExit", "false"])
    subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return tag, pgn


def read_games(pgn):
    """(white, black, result, how it ended) for every game in the file."""
    if not os.path.exists(pgn):
        return []
    text = open(pgn, encoding="utf-8", errors="replace").read()
    games = []
    for chunk in re.split(r'\n(?=\[Event )', text):
        white = re.search(r'\[White "([^"]*)"\]', chunk)
        black = re.search(r'\[Black "([^"]*)"\]', chunk)
        result = re.search(r'\[Result "([^"]*)"\]', chunk)
        if not (white and black and result):
            continue
        ending = re.findall(r'\{([^{}]*)\}\s*(?:1-0|0-1|1/2-1/2|\*)\s*$', chunk)
        games.append((white.group(1), black.group(1), result.group(1),
                      ending[-1] if ending else ""))
    return games


# Endings that mean an engine misbehaved rather than lost or drew at the board.
BAD = re.compile(r"illegal|forfeit|false|crash|disconnect|exited|terminated|abort", re.I)


# How the games ended over the whole tournament: ending -> [wins, draws, losses].
endings = {}


def tally(games):
    """Lorvane's wins, draws and losses, the wins that came from the opponent
    misbehaving, and the games in which Lorvane misbehaved."""
    wins = draws = losses = forfeits = 0
    problems = []
    for white, black, result, ending in games:
        lorvane_white = white.startswith("Lorvane")
        if result == "1/2-1/2":
            outcome = 1
        elif result in ("1-0", "0-1"):
            outcome = 0 if (result == "1-0") == lorvane_white else 2
        else:
            problems.append("unfinished game: %s vs %s %s" % (white, black, result))
            continue
        endings.setdefault(ending, [0, 0, 0])[outcome] += 1
        wins += outcome == 0
        draws += outcome == 1
        losses += outcome == 2
        if BAD.search(ending) or not ending:
            if outcome == 0:
                forfeits += 1
            else:
                problems.append("%s vs %s %s {%s}" % (white, black, result, ending))
    return wins, draws, losses, forfeits, problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--engine", default="build/lorvane-engine")
    parser.add_argument("--protocol", choices=["uci", "ucci"], default="uci")
    parser.add_argument("--games", type=int, default=10)
    parser.add_argument("--depths", default="2,3")
    parser.add_argument("--skills", default="-10,0,5")
    parser.add_argument("--out", default="tournament")
    parser.add_argument("--no-play", action="store_true",
                        help="only tally the games already saved in --out")
    args = parser.parse_args()

    engine = os.path.abspath(args.engine)
    if not args.no_play and not os.access(engine, os.X_OK):
        sys.exit("no engine at %s: build it first (make)" % engine)
    os.makedirs(args.out, exist_ok=True)
    env_home = os.path.abspath(os.path.join(args.out, "home"))
    os.makedirs(env_home, exist_ok=True)
    os.environ["HOME"] = env_home  # XBoard writes no settings into the real home
    os.environ["PATH"] = os.environ.get("PATH", "") + os.pathsep + GAMES_DIR

    opponents = [("maxqi", 0)] + [("fairy-stockfish", int(s)) for s in args.skills.split(",")]
    rows = []
    all_problems = []
    for depth in [int(d) for d in args.depths.split(",")]:
        for name, skill in opponents:
            if args.no_play:
                tag = match_tag(depth, name, skill)
                pgn = os.path.join(args.out, tag + ".pgn")
            else:
                tag, pgn = play_match(engine, args.protocol, depth, name, skill, args.games,
                                      args.out)
            wins, draws, losses, forfeits, problems = tally(read_games(pgn))
            label = "maxqi" if name == "maxqi" else "Fairy-Stockfish Skill Level %d" % skill
            rows.append((depth, label, wins, draws, losses, forfeits))
            all_problems += ["%s: %s" % (tag, p) for p in problems]
            print("depth %d vs %s: +%d =%d -%d" % (depth, label, wins, draws, losses), flush=True)

    print()
    print("| Lorvane depth | opponent | games | wins | draws | losses | wins by the opponent's false claim or forfeit |")
    print("| --- | --- | --- | --- | --- | --- | --- |")
    for depth, label, wins, draws, losses, forfeits in rows:
        print("| %d | %s | %d | %d | %d | %d | %d |" % (depth, label, wins + draws + losses, wins,
                                                       draws, losses, forfeits))
    print()
    print("endings (Lorvane wins / draws / losses):")
    for ending, (w, d, l) in sorted(endings.items(), key=lambda e: -sum(e[1])):
        print("  %d / %d / %d  {%s}" % (w, d, l, ending))
    print("problems of Lorvane's: %s" % ("none" if not all_problems else ""))
    for p in all_problems:
        print("  " + p)
    return 1 if all_problems else 0


if __name__ == "__main__":
    sys.exit(main())
