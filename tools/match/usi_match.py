#!/usr/bin/env python3
"""Plays two USI engines against each other and prints the score as it goes.

A third process, our own engine by default, referees: every answer is set on
it as a position, and a move it refuses loses the game. It also lists the
legal moves of the 2-ply openings, so the rules live in one place.

  usi_match.py --engine-a 'new/bin/tanukiban-usi' --engine-b 'old/bin/tanukiban-usi' \
      --ms-a 500 --ms-b 500 --openings two-ply --games 400

Scores are engine A's. A game ends by `bestmove resign` (that side loses), by
an illegal, unknown or missing answer (that side loses, the reason printed),
or as a draw at --max-plies.
"""

import argparse
import math
import queue
import shlex
import subprocess
import sys
import threading
import time

SQUARES = [f"{f}{r}" for f in "54321" for r in "abcde"]
DROP_LETTERS = "PTLNSGBR"


class Engine:
    """One USI process; its output is read on a thread so that a silent
    engine times out instead of blocking the match."""

    def __init__(self, command, name, options=()):
        self.command, self.name, self.options = command, name, list(options)
        self.start()

    def start(self):
        self.proc = subprocess.Popen(shlex.split(self.command), stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                     text=True, bufsize=1)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, args=(self.proc, self.lines), daemon=True).start()
        self.send("usi")
        self.wait_for(lambda l: l == "usiok", 10)
        for option in self.options:
            name, _, value = option.partition("=")
            self.send(f"setoption name {name} value {value}")
        self.ready()

    @staticmethod
    def _read(proc, lines):
        for line in proc.stdout:
            lines.put(line.rstrip("\r\n"))
        lines.put(None)

    def send(self, text):
        self.proc.stdin.write(text + "\n")
        self.proc.stdin.flush()

    def wait_for(self, done, timeout):
        """The lines up to the one that `done` accepts, or raises TimeoutError."""
        seen, deadline = [], time.monotonic() + timeout
        while True:
            left = deadline - time.monotonic()
            try:
                line = self.lines.get(timeout=max(0.0, left))
            except queue.Empty:
                raise TimeoutError(f"{self.name}: no answer in {timeout:g} s") from None
            if line is None:
                raise TimeoutError(f"{self.name}: the process ended")
            seen.append(line)
            if done(line):
                return seen

    def ready(self, timeout=30):
        self.send("isready")
        return self.wait_for(lambda l: l == "readyok", timeout)

    def restart(self):
        self.close()
        self.start()

    def close(self):
        try:
            self.send("quit")
            self.proc.wait(timeout=5)
        except (OSError, subprocess.TimeoutExpired):
            self.proc.kill()
            self.proc.wait()


class Referee:
    def __init__(self, command):
        self.engine = Engine(command, "referee")

    def problem(self, moves):
        """Why the line of moves is not a legal game so far, or None."""
        self.engine.send("position startpos moves " + " ".join(moves) if moves else
                         "position startpos")
        for line in self.engine.ready():
            if line.startswith("info string refused") or "position refused" in line:
                return line[len("info string "):]
        return None

    def legal_moves(self, moves):
        """The legal moves after `moves`, each tried on the referee: board
        moves turn over ("+") unless a king moves; drops name a face."""
        base = "position startpos moves " + " ".join(moves) + " "
        tries = [f + t + "+" for f in SQUARES for t in SQUARES if f != t]
        tries += [f + t for f in SQUARES for t in SQUARES if f != t]
        tries += [p + "*" + s for p in DROP_LETTERS for s in SQUARES]
        for m in tries:
            self.engine.send(base + m)
        tail = "; the moves before it stand"
        refused = {line[line.rindex(": ", 0, len(line) - len(tail)) + 2:-len(tail)]
                   for line in self.engine.ready()
                   if line.startswith("info string refused") and line.endswith(tail)}
        legal = [m for m in tries if m not in refused]
        # A move legal with "+" is also accepted without; keep the turning form.
        turning = {m[:-1] for m in legal if m.endswith("+")}
        return [m for m in legal if m not in turning]


def openings(kind, referee):
    if kind == "start":
        return [[]]
    lines = []
    for first in referee.legal_moves([]):
        for reply in referee.legal_moves([first]):
            lines.append([first, reply])
    return lines


def play(first, second, opening, referee, max_plies, go):
    """Plays one game; returns (score of `first`, reason, moves)."""
    moves = list(opening)
    players = (first, second)
    for engine in players:
        engine.send("usinewgame")
        engine.ready()
    while len(moves) < max_plies:
        mover = players[len(moves) % 2]
        side = len(moves) % 2
        position = "position startpos" + (" moves " + " ".join(moves) if moves else "")
        mover.send(position)
        mover.send(go[mover.name])
        try:
            answer = mover.wait_for(lambda l: l.startswith("bestmove"), mover.timeout)
        except TimeoutError as error:
            mover.restart()
            return (0.0 if side == 0 else 1.0), f"{error}", moves
        words = answer[-1].split()
        move = words[1] if len(words) > 1 else ""
        if move == "resign":
            return (0.0 if side == 0 else 1.0), f"{mover.name} resigns", moves
        if move in ("", "win"):
            return (0.0 if side == 0 else 1.0), f"{mover.name} answered '{answer[-1]}'", moves
        moves.append(move)
        why = referee.problem(moves)
        if why:
            return (0.0 if side == 0 else 1.0), f"{mover.name} illegal {move}: {why}", moves
    return 0.5, "ply limit", moves


def margin(scores):
    """The score's mean and the half-width of its 95 % interval."""
    n = len(scores)
    mean = sum(scores) / n
    if n < 2:
        return mean, float("nan")
    variance = sum((s - mean) ** 2 for s in scores) / (n - 1)
    return mean, 1.96 * math.sqrt(variance / n)


def elo(score):
    if score <= 0 or score >= 1:
        return float("inf") if score >= 1 else float("-inf")
    return -400 * math.log10(1 / score - 1)


def summary(scores):
    wins = scores.count(1.0)
    draws = scores.count(0.5)
    losses = scores.count(0.0)
    mean, half = margin(scores)
    return (f"A W/D/L {wins}/{draws}/{losses}  score {100 * mean:.1f} % "
            f"± {100 * half:.1f}  (Elo {elo(mean):+.0f})")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--engine-a", required=True, help="command of engine A")
    parser.add_argument("--engine-b", required=True, help="command of engine B")
    parser.add_argument("--option-a", action="append", default=[], help="NAME=VALUE, repeatable")
    parser.add_argument("--option-b", action="append", default=[], help="NAME=VALUE, repeatable")
    parser.add_argument("--ms-a", type=int, default=500, help="time a move of A (ms)")
    parser.add_argument("--ms-b", type=int, default=500, help="time a move of B (ms)")
    parser.add_argument("--go", choices=("movetime", "byoyomi"), default="movetime",
                        help="how the time a move is sent (default movetime)")
    parser.add_argument("--referee", help="USI command that checks moves (default engine A)")
    parser.add_argument("--openings", choices=("start", "two-ply"), default="start")
    parser.add_argument("--swap", action="store_true",
                        help="play each opening twice, each engine once moving first")
    parser.add_argument("--a-first", action="store_true",
                        help="without --swap: A always moves first (default: alternate)")
    parser.add_argument("--games", type=int, default=2, help="games at most")
    parser.add_argument("--max-plies", type=int, default=500)
    parser.add_argument("--until", help="stop before a game starts after HH:MM (UTC)")
    parser.add_argument("--log", help="file that gets each game's moves")
    parser.add_argument("--jobs", type=int, default=1,
                        help="games played at once, each with its own engines (default 1)")
    args = parser.parse_args()

    if args.jobs < 1:
        parser.error("--jobs must be at least 1")
    go = {}
    timeouts = {}
    for name, ms in (("A", args.ms_a), ("B", args.ms_b)):
        go[name] = (f"go movetime {ms}" if args.go == "movetime" else
                    f"go btime 0 wtime 0 byoyomi {ms}")
        timeouts[name] = ms / 1000 * 2 + 10

    referee_command = args.referee or args.engine_a

    def players():
        """A referee and both engines for one game at a time."""
        referee = Referee(referee_command)
        a = Engine(args.engine_a, "A", args.option_a)
        b = Engine(args.engine_b, "B", args.option_b)
        for engine in (a, b):
            engine.timeout = timeouts[engine.name]
        return referee, a, b

    lister = Referee(referee_command)
    lines = openings(args.openings, lister)
    lister.engine.close()
    print(f"{len(lines)} opening(s); A: {args.engine_a} {args.ms_a} ms; "
          f"B: {args.engine_b} {args.ms_b} ms; {args.jobs} game(s) at once", flush=True)
    log = open(args.log, "a", encoding="utf-8") if args.log else None

    scores, lengths, seen = [], [], {}
    games = queue.Queue()
    for game in range(args.games):
        games.put(game)
    lock = threading.Lock()

    def work():
        referee, a, b = players()
        while True:
            if args.until and time.strftime("%H:%M", time.gmtime()) >= args.until:
                break
            try:
                game = games.get_nowait()
            except queue.Empty:
                break
            if args.swap:
                opening, a_first = lines[(game // 2) % len(lines)], game % 2 == 0
            else:
                opening, a_first = lines[game % len(lines)], args.a_first or game % 2 == 0
            first, second = (a, b) if a_first else (b, a)
            started = time.monotonic()
            result, reason, moves = play(first, second, opening, referee, args.max_plies, go)
            score = result if a_first else 1.0 - result
            record = " ".join(moves)
            mark = {1.0: "A wins", 0.5: "draw", 0.0: "B wins"}[score]
            with lock:
                scores.append(score)
                lengths.append(len(moves))
                again = f"  same as game {seen[record]}" if record in seen else ""
                seen.setdefault(record, game + 1)
                print(f"game {game + 1}: {' '.join(opening) or 'startpos'} {first.name} first: "
                      f"{mark}, {reason}, {len(moves)} plies, "
                      f"{time.monotonic() - started:.0f} s{again} | {summary(scores)}", flush=True)
                if log:
                    log.write(f"game {game + 1} {first.name}-first {mark} ({reason}): {record}\n")
                    log.flush()
        for engine in (a, b, referee.engine):
            engine.close()

    workers = [threading.Thread(target=work) for _ in range(args.jobs)]
    for worker in workers:
        worker.start()
    for worker in workers:
        worker.join()
    if not games.empty():
        print(f"stopped at {args.until} UTC", flush=True)
    if scores:
        print(f"end: {len(scores)} games, average {sum(lengths) / len(lengths):.1f} plies | "
              f"{summary(scores)}", flush=True)


if __name__ == "__main__":
    sys.exit(main())
