#!/usr/bin/env python3
"""Plays a few games of the engine against itself through lorvane-engine and
prints positions with the computer to move, for the built-in bench set.

The computer's moves come from `search D`; the player's from the same search
on the board turned round (ranks mirrored, sides swapped). Each game opens
with a different first move of the player so that the games differ.

usage: play_bench_games.py path/to/lorvane-engine > positions.txt
"""
import subprocess
import sys

ENGINE = sys.argv[1]
START = "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR"


def rows_of(fen):
    rows = []
    for r in fen.split()[0].split("/"):
        row = []
        for c in r:
            row.extend(["."] * int(c) if c.isdigit() else [c])
        rows.append(row)
    return rows


def fen_of(rows, side):
    out = []
    for row in rows:
        s, n = "", 0
        for c in row:
            if c == ".":
                n += 1
                continue
            if n:
                s += str(n)
            n = 0
            s += c
        out.append(s + (str(n) if n else ""))
    return "/".join(out) + " " + side


def play(rows, move):
    fx, fy = ord(move[0]) - 97, 9 - int(move[1])
    tx, ty = ord(move[2]) - 97, 9 - int(move[3])
    rows[ty][tx] = rows[fy][fx]
    rows[fy][fx] = "."


def turned(rows):
    return [[c.swapcase() for c in row] for row in reversed(rows)]


def search(fen, depth):
    out = subprocess.run([ENGINE, "search", str(depth)], input=fen + "\n",
                         capture_output=True, text=True, check=True).stdout.split()
    return out[0]


def generals(rows):
    flat = "".join("".join(r) for r in rows)
    return "k" in flat and "K" in flat


def game(first_move, depth, plies, every):
    rows = rows_of(START)
    play(rows, first_move)
    positions = []
    for ply in range(plies):
        if not generals(rows):
            break
        fen = fen_of(rows, "b")
        if ply % every == 0:
            positions.append(fen)
        move = search(fen, depth)
        if move == "none":
            break
        play(rows, move)
        if not generals(rows):
            break
        reply = search(fen_of(turned(rows), "b"), depth)
        if reply == "none":
            break
        play(rows, reply[0] + str(9 - int(reply[1])) + reply[2] + str(9 - int(reply[3])))
    return positions


def main():
    openings = ["h2e2", "b0c2", "c3c4", "g3g4", "h0g2", "b2e2"]
    seen = []
    for i, first in enumerate(openings):
        for fen in game(first, 2 + i % 2, 40, 4):
            if fen not in seen:
                seen.append(fen)
    for fen in seen:
        print(fen)


if __name__ == "__main__":
    main()
