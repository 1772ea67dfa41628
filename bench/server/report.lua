-- Statistics reports as the game sends them, spread over the benchmark's accounts; every
-- answer must be "1" (stored). Each wrk thread counts its answers; done() adds them up.
local accounts = tonumber(os.getenv("QB_ACCOUNTS") or "10")
local digest = os.getenv("QB_DIGEST")
local threads = {}
local counter = 0

function setup(thread)
    table.insert(threads, thread)
end

function init(args)
    stored = 0
    refused = 0
    counter = math.random(0, 1000000)
end

function request()
    counter = counter + 1
    local id = counter % accounts + 1
    local path = "/stats.php?mode=stats&id=" .. id .. "&pw=" .. digest ..
        "&highscore=" .. (counter % 100000) .. "&win=" .. (counter % 2) ..
        "&GameType=" .. (counter % 3) .. "&level=" .. (counter % 27 + 1) .. "&ver=182"
    return wrk.format("GET", path)
end

function response(status, headers, body)
    if status == 200 and body == "1" then
        stored = stored + 1
    else
        refused = refused + 1
    end
end

function done(summary, latency, requests)
    local s, r = 0, 0
    for _, thread in ipairs(threads) do
        s = s + thread:get("stored")
        r = r + thread:get("refused")
    end
    io.write(string.format("QB stored=%d refused=%d errors=%d requests=%d\n", s, r,
        summary.errors.connect + summary.errors.read + summary.errors.write +
        summary.errors.status + summary.errors.timeout, summary.requests))
end
