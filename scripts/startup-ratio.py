#!/usr/bin/env python3
"""Start-up of the editor as a ratio to the toolkit's floor.

Usage: startup-ratio.py [--runs N] [--pause S] --probe LIB PROGRAM [PROGRAM ...] FLOOR

Each program is started N times with the start-up probe preloaded (it quits at the first
event-loop turn after the first window is exposed); the last program is the floor every ratio
is taken against. A round starts every program once, in a shuffled order, each after a pause
with nothing running: started right after another program, the X server and the kernel are still
tearing that one down, which slows whichever comes next by 10-20 ms. Prints the medians of wall
time, CPU time (user + system) and peak memory, each with its ratio to the floor's.

A program is a command line; leading NAME=VALUE words set its environment
("ZYNED_CONFIG_DIR=/tmp/cfg build/release/zyned"). DISPLAY must name an idle X server (Xvfb).
"""
import argparse
import os
import random
import shlex
import statistics
import subprocess
import sys
import time


def run_once(words, probe):
    env = dict(os.environ, LD_PRELOAD=probe)
    while words and '=' in words[0]:
        name, value = words[0].split('=', 1)
        env[name] = value
        words = words[1:]
    start = time.perf_counter()
    child = subprocess.Popen(words, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - start
    if status != 0:
        sys.exit(f'{shlex.join(words)} ended with status {status}')
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--runs', type=int, default=40)
    parser.add_argument('--pause', type=float, default=0.1, help='seconds before every start')
    parser.add_argument('--probe', required=True, help='the start-up probe library to preload')
    parser.add_argument('programs', nargs='+')
    args = parser.parse_args()
    if len(args.programs) < 2:
        parser.error('name at least one program and the floor')
    if not os.environ.get('DISPLAY'):
        parser.error('DISPLAY is not set')

    results = {p: [] for p in args.programs}
    for round_ in range(args.runs + 1):  # the first round warms the caches and is not counted
        order = list(args.programs)
        random.shuffle(order)
        for program in order:
            time.sleep(args.pause)
            sample = run_once(shlex.split(program), args.probe)
            if round_ > 0:
                results[program].append(sample)

    def median(program, what):
        return statistics.median(s[what] for s in results[program])

    floor = args.programs[-1]
    for program in args.programs:
        wall, cpu, peak = (median(program, k) for k in range(3))
        print(f'{program[-40:]:40s}  wall {wall * 1e3:6.1f} ms ({wall / median(floor, 0):.2f}x)'
              f'  cpu {cpu * 1e3:6.1f} ms ({cpu / median(floor, 1):.2f}x)'
              f'  peak {peak / 1024:5.1f} MiB ({peak / median(floor, 2):.2f}x)')
    load = os.getloadavg()
    print(f'load {load[0]:.2f} {load[1]:.2f} {load[2]:.2f}; {args.runs} rounds, '
          f'{args.pause:.2f} s pause')


if __name__ == '__main__':
    main()
