// Debian's chromium, headless, with a profile of its own, driven by
// puppeteer-core. Without the background-networking flags it tries to reach
// Google's hosts, which this network refuses.
import puppeteer from 'puppeteer-core';

export function launch(profile) {
  return puppeteer.launch({
    executablePath: '/usr/bin/chromium', headless: false, userDataDir: profile,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync',
           '--window-size=800,600'],
  });
}
